// The store as the module reads it: opened when a stored table is needed, and the fluid lists.
#include "python/Module.h"

namespace velm::python {

void LazyStore::readPoints(Family family, std::string_view fluid, const std::function<void(const TablePoint&)>& take) {
    if (!store_) store_.emplace(DatabaseFiles(folder_));
    store_->readPoints(family, fluid, take);
}

std::vector<std::string> fluids(const std::string& family, const py::object& dbDir) {
    const Family f = familyNamedOrRaise(family);
    const QString folder = folderOf(dbDir);
    py::gil_scoped_release unlocked;
    return FluidStore(DatabaseFiles(folder), f).listFluidTables();
}

}  // namespace velm::python
