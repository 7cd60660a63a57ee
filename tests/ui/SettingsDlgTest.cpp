#include <gtest/gtest.h>

#include "core/settings/Settings.h"
#include "resource.h"
#include "support/ScriptedPrompt.h"
#include "ui/main/SettingsDlg.h"

namespace {

void Click(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

// Runs the Options command with the given script of user steps inside the
// dialog; restores the observer afterwards.
bool RunOptions(Settings& settings, std::function<void(CDialog&)> steps)
{
    CDialog::ModalObserver() = std::move(steps);
    bool stored = EditSetup(settings);
    CDialog::ModalObserver() = nullptr;
    return stored;
}

bool RunOptions(std::string& pythonLoc, std::function<void(CDialog&)> steps)
{
    Settings settings;
    settings.PythonLoc = pythonLoc;
    const bool stored = RunOptions(settings, std::move(steps));
    pythonLoc = settings.PythonLoc;
    return stored;
}

const char* const kDefaultLocation = "C:\\Program Files (x86)\\pyTivo\\pyTivo.py";

}  // namespace

TEST(SettingsDlg, OpensOnTheCurrentLocationAndCancelKeepsItEvenAfterAPick)
{
    ScriptedPrompt prompt;
    prompt.fileSelections.push_back({"Z:\\Other Place\\pyTivo.py"});
    std::string location = kDefaultLocation;
    std::string shown, afterPick, caption;
    HWND settingsWindow = nullptr;
    bool stored = RunOptions(location, [&](CDialog& dialog) {
        settingsWindow = dialog.m_hWnd;
        caption = dialog.GetWindowText();
        shown = dialog.GetDlgItemText(IDC_SETTINGS_PYTIVO);
        Click(dialog, IDC_SETTINGS_BROWSE);
        afterPick = dialog.GetDlgItemText(IDC_SETTINGS_PYTIVO);
        Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ("Setup Configure", caption);
    EXPECT_EQ(kDefaultLocation, shown);
    EXPECT_EQ("Z:\\Other Place\\pyTivo.py", afterPick);
    EXPECT_EQ(kDefaultLocation, location);

    ASSERT_EQ(1u, prompt.fileRequests.size());
    const FileDialogRequest& request = prompt.fileRequests[0];
    EXPECT_EQ(settingsWindow, request.owner) << "the picker belongs to the dialog";
    EXPECT_EQ("py", request.defaultExtension);
    EXPECT_EQ(0x80006u, request.flags);
    EXPECT_EQ(
        "Python Files (*.py;*.conf)|*.py;*.conf;*.ICO;*.JPG;*.PCX;*.PNG;*.TIF;*.TGA;*.WMF|"
        "PY (Python Files) (*.py)|*.py|Config Files(*.conf)|*.conf|All Files (*.*)|*.*||",
        request.filter);
}

TEST(SettingsDlg, OkStoresTheTypedTextAsItIsEvenWhenEmptyAndACancelledPickChangesNothing)
{
    ScriptedPrompt prompt;  // no selection queued: every pick is cancelled
    for (std::string typed : {"E:\\Tools & Co\\pyTivo\\pyTivo.py", "", "  not a path  "}) {
        std::string location = kDefaultLocation;
        bool stored = RunOptions(location, [&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_SETTINGS_PYTIVO, typed);
            Click(dialog, IDC_SETTINGS_BROWSE);
            Click(dialog, IDOK);
        });
        EXPECT_TRUE(stored);
        EXPECT_EQ(typed, location);
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(SettingsDlg, TheFileNamesBoxShowsAndStoresParseNamesOnOkOnly)
{
    ScriptedPrompt prompt;
    for (const char* stored : {"", "false", "true", "garbage"}) {
        for (int button : {IDOK, IDCANCEL}) {
            Settings settings;
            settings.ParseNames = stored;
            std::string caption;
            bool shownTicked = false;
            RunOptions(settings, [&](CDialog& dialog) {
                caption = dialog.GetDlgItemText(IDC_SETTINGS_PARSE_NAMES);
                shownTicked = ::IsDlgButtonChecked(dialog.m_hWnd, IDC_SETTINGS_PARSE_NAMES) == BST_CHECKED;
                // The user flips it.
                ::CheckDlgButton(dialog.m_hWnd, IDC_SETTINGS_PARSE_NAMES,
                                 shownTicked ? BST_UNCHECKED : BST_CHECKED);
                Click(dialog, button);
            });
            SCOPED_TRACE(std::string(stored) + (button == IDOK ? " OK" : " Cancel"));
            EXPECT_EQ("Read titles, years and episode numbers from file names", caption);
            EXPECT_EQ(std::string(stored) == "true", shownTicked);
            if (button == IDOK)
                EXPECT_EQ(shownTicked ? "false" : "true", settings.ParseNames);
            else
                EXPECT_EQ(stored, settings.ParseNames);
        }
    }
}

TEST(SettingsDlg, TheDeleteAndUndoSettingsShowAndStoreOnOkAndANumberOutOfRangeKeepsTheOldOne)
{
    ScriptedPrompt prompt;
    struct Case {
        const char* days;
        const char* megabytes;
        const char* storedDays;
        const char* storedMegabytes;
    };
    // The limits at their exact values and one past them; text that is no number.
    for (const Case& typed : {Case{"3650", "1000000", "3650", "1000000"}, Case{"3651", "1000001", "30", "500"},
                              Case{" 0 ", "0", "0", "0"}, Case{"", "x5", "30", "500"}}) {
        Settings settings;
        settings.DeleteForGood = "false";
        settings.UndoDays = "30";
        settings.UndoMegabytes = "500";
        std::string shownDays, shownMegabytes, fillOnly;
        RunOptions(settings, [&](CDialog& dialog) {
            fillOnly = dialog.GetDlgItemText(IDC_SETTINGS_FILL_ONLY);
            shownDays = dialog.GetDlgItemText(IDC_SETTINGS_UNDO_DAYS);
            shownMegabytes = dialog.GetDlgItemText(IDC_SETTINGS_UNDO_MEGABYTES);
            ::CheckDlgButton(dialog.m_hWnd, IDC_SETTINGS_DELETE_FOR_GOOD, BST_CHECKED);
            dialog.SetDlgItemText(IDC_SETTINGS_UNDO_DAYS, typed.days);
            dialog.SetDlgItemText(IDC_SETTINGS_UNDO_MEGABYTES, typed.megabytes);
            Click(dialog, IDOK);
        });
        SCOPED_TRACE(std::string(typed.days) + " / " + typed.megabytes);
        EXPECT_EQ("Add only what they lack", fillOnly) << "every control of its own";
        EXPECT_EQ("30", shownDays);
        EXPECT_EQ("500", shownMegabytes);
        EXPECT_EQ("true", settings.DeleteForGood);
        EXPECT_EQ(typed.storedDays, settings.UndoDays);
        EXPECT_EQ(typed.storedMegabytes, settings.UndoMegabytes);
    }
}

TEST(SettingsDlg, TheLookupBoxAndTheTmdbKeyAreShownAndStoredOnOkOnly)
{
    ScriptedPrompt prompt;
    for (int button : {IDOK, IDCANCEL}) {
        Settings settings;
        settings.Lookup = "false";
        settings.TmdbKey = "old-key";
        std::string caption;
        std::string shownKey;
        RunOptions(settings, [&](CDialog& dialog) {
            caption = dialog.GetDlgItemText(IDC_SETTINGS_LOOKUP);
            shownKey = dialog.GetDlgItemText(IDC_SETTINGS_TMDB_KEY);
            ::CheckDlgButton(dialog.m_hWnd, IDC_SETTINGS_LOOKUP, BST_CHECKED);
            // Pasted with a space around it.
            dialog.SetDlgItemText(IDC_SETTINGS_TMDB_KEY, " new-key ");
            Click(dialog, button);
        });
        SCOPED_TRACE(button == IDOK ? "OK" : "Cancel");
        EXPECT_EQ("Look up titles and descriptions (TMDB)", caption);
        EXPECT_EQ("old-key", shownKey);
        EXPECT_EQ(button == IDOK ? "true" : "false", settings.Lookup);
        EXPECT_EQ(button == IDOK ? "new-key" : "old-key", settings.TmdbKey);
    }
}
