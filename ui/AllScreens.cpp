#include "ui/AllScreens.h"

#include "ui/frmFluidChoice.h"
#include "ui/frmMODIFICAR.h"
#include "ui/frmPRESENT.h"
#include "ui/frmPRUEBA.h"
#include "ui/frmTABLAS.h"
#include "ui/frmVELM1.h"

namespace velm {

template <class T>
void add(ScreenRegistry& screens, const char* name) {
    screens.add(QString::fromUtf8(name), [](Toolkit& tk) { return new T(tk); });
}

void registerAllScreens(ScreenRegistry& screens) {
    add<frmPRESENT>(screens, "frmPRESENT");
    add<frmVELM2>(screens, "frmVELM2");
    add<frmPRESENT2>(screens, "frmPRESENT2");
    add<frmVELM1>(screens, "frmVELM1");
    add<frmTABLAS>(screens, "frmTABLAS");
    add<frmDATOS>(screens, "frmDATOS");
    add<frmPRUEBA>(screens, "frmPRUEBA");
    add<frmMODIFICAR>(screens, "frmMODIFICAR");
}

}  // namespace velm
