#include "ui/Screens.h"

#include "ui/frmCONVECCION.h"
#include "ui/frmFluidChoice.h"
#include "ui/frmGRAFICAS.h"
#include "ui/frmMODIFICAR.h"
#include "ui/frmAYUDA.h"
#include "ui/frmPRESENT.h"
#include "ui/frmPRUEBA.h"
#include "ui/frmTABLAS.h"
#include "ui/frmVELM1.h"

namespace velm {

void registerAllScreens(ScreenRegistry& screens) {
    screens.add<frmPRESENT>();
    screens.add<frmVELM2>();
    screens.add<frmPRESENT2>();
    screens.add<frmVELM1>();
    screens.add<frmTABLAS>();
    screens.add<frmDATOS>();
    screens.add<frmPRUEBA>();
    screens.add<frmMODIFICAR>();
    screens.add<frmGRAFICAS>();
    screens.add<frmCONVECCION>();
    screens.add<frmAYUDA>();
}

}  // namespace velm
