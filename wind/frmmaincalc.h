#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::wind {

// The main window: the four inputs of the wind triangle and the leg, every result in a label,
// recomputed at each change of an input. Its navigation buttons and its unloading are bound by
// the application, which knows the other windows.
class FrmMainCalc : public platform::Form {
public:
    explicit FrmMainCalc(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void Form_Load();
    void CalculVent();

    void hscVp_Change();
    void hscRm_Change();
    void hscV_Change();
    void hscVw_Change();
    void hscDt_Change();
    void hscTsv_Change();
    void optTemps_Click();
    void optDistance_Click();
    void cmdClear_Click();

private:
    void afficherMode(bool temps);

    std::int16_t Vp = 0;
    int Rm = 0;
    int V = 0;
    int Vw = 0;
    double D = 0;
    double Tsv = 0;
    double Fb = 0;
    double InvFb = 0;
    std::uint8_t CasVent = 0;
    std::string TypeVent = "vent de face";
    std::int16_t Alpha = 0;
    double SinAlpha = 0;
    double CosAlpha = 0;
    double X = 0, Vt = 0, Ve = 0, Derive = 0, Tc = 0, Cap = 0, Vs = 0;
    std::int16_t Tav = 0;
};

}  // namespace ventrose::wind
