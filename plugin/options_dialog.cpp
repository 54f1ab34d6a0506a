#include "plugin/options_dialog.h"

#include "plugin/globals.h"
#include "plugin/vnx_api.h"
#include "runtime/check_box.h"
#include "settings/config.h"
#include "settings/options_form.h"

namespace zvk {

std::string OptionsSettingsPath() {
    // With no folder reported, the path starts at the root of the current drive.
    return AppDataPath() + "\\Vantor\\Brevlog\\Plugins Data" + "\\ZVK\\configuration.xml";
}

void RunOptionsDialog(HWND parent) {
    TOptionsForm form(parent);
    // From here the dialog goes with the form, whichever way this call ends.
    Config.Load(OptionsSettingsPath());
    form.RzColorEdit1.SetSelectedColor(Config.SelectColor);
    SetChecked(form.CheckBox1, Config.EnableSound);
    if (form.ShowModal() != TOptionsForm::mrOk) {
        return;
    }
    Config.SelectColor = form.RzColorEdit1.SelectedColor();
    Config.EnableSound = Checked(form.CheckBox1);
    Config.Save();
    // The main grid shows the new colour at once; the second one at its next painting.
    if (HostContext) {
        if (TwwDBGrid* grid = HostContext->MainWindow->GetMainGrid()) {
            grid->Repaint();
        }
    }
}

} // namespace zvk
