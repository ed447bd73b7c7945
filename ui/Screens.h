#pragma once
// Every child screen of the program: its name, given here once, and the registration of
// them all. A screen shows another through the registry by type, with this header, never by
// including the other screen.

#include "correlation/Family.h"
#include "ui/toolkit/ScreenRegistry.h"

class frmPRESENT;
class frmVELM2;
class frmPRESENT2;
class frmVELM1;
class frmTABLAS;
class frmDATOS;
class frmPRUEBA;
class frmMODIFICAR;
class frmGRAFICAS;
class frmCONVECCION;
class frmAYUDA;

namespace velm {

template <> inline const char* screenName<frmPRESENT>() { return "frmPRESENT"; }
template <> inline const char* screenName<frmVELM2>() { return "frmVELM2"; }
template <> inline const char* screenName<frmPRESENT2>() { return "frmPRESENT2"; }
template <> inline const char* screenName<frmVELM1>() { return "frmVELM1"; }
template <> inline const char* screenName<frmTABLAS>() { return "frmTABLAS"; }
template <> inline const char* screenName<frmDATOS>() { return "frmDATOS"; }
template <> inline const char* screenName<frmPRUEBA>() { return "frmPRUEBA"; }
template <> inline const char* screenName<frmMODIFICAR>() { return "frmMODIFICAR"; }
template <> inline const char* screenName<frmGRAFICAS>() { return "frmGRAFICAS"; }
template <> inline const char* screenName<frmCONVECCION>() { return "frmCONVECCION"; }
template <> inline const char* screenName<frmAYUDA>() { return "frmAYUDA"; }

void registerAllScreens(ScreenRegistry& screens);

// The fluid screen of a family, where table maintenance returns.
inline void showFluidScreen(ScreenRegistry& screens, Family family) {
    if (family == Family::Gases) screens.show<frmVELM2>();
    else screens.show<frmPRESENT2>();
}

}  // namespace velm
