#include "AllScreens.h"

#include "frmFluidChoice.h"
#include "frmMODIFICAR.h"
#include "frmPRESENT.h"
#include "frmPRUEBA.h"
#include "frmTABLAS.h"
#include "frmVELM1.h"

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
