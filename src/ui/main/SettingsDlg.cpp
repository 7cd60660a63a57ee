#include "ui/main/SettingsDlg.h"

#include <commdlg.h>

#include "core/settings/Settings.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/framework/Prompt.h"

namespace {

// The file-open picker of the "..." button: Python scripts and pyTivo's
// config files first (the first filter also admits picture files).
FileDialogRequest PyTivoPickerRequest()
{
    FileDialogRequest request;
    request.defaultExtension = "py";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
    request.filter =
        "Python Files (*.py;*.conf)|*.py;*.conf;*.ICO;*.JPG;*.PCX;*.PNG;*.TIF;*.TGA;*.WMF|"
        "PY (Python Files) (*.py)|*.py|Config Files(*.conf)|*.conf|All Files (*.*)|*.*||";
    return request;
}

// A number typed for an undo setting, taken when it is a whole number in
// its range (a field that takes digits alone still takes a pasted text).
void TakeUndoNumber(const std::string& typed, int most, std::string& setting)
{
    const std::string number = TrimmedOf(typed);
    if (IsAllDigits(number) && number.size() <= 7 && std::stoi(number) <= most)
        setting = std::to_string(std::stoi(number));
}

}  // namespace

SettingsDlg::SettingsDlg(CWnd* parent) : CDialog(IDD_SETTINGS, parent) {}

void SettingsDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_SETTINGS_PYTIVO, pyTivoEdit_);
    dx.Text(IDC_SETTINGS_PYTIVO, pyTivoLocation);
    dx.Check(IDC_SETTINGS_PARSE_NAMES, parseNames);
    dx.Check(IDC_SETTINGS_LOOKUP, lookup);
    dx.Text(IDC_SETTINGS_TMDB_KEY, tmdbKey);
    dx.Check(IDC_SETTINGS_META_FOLDER, metaFolder);
    dx.Check(IDC_SETTINGS_WHOLE_TEMPLATE, wholeTemplate);
    int fillOnly = wholeTemplate == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    dx.Check(IDC_SETTINGS_FILL_ONLY, fillOnly);
    dx.Check(IDC_SETTINGS_DELETE_FOR_GOOD, deleteForGood);
    dx.Text(IDC_SETTINGS_UNDO_DAYS, undoDays);
    dx.Text(IDC_SETTINGS_UNDO_MEGABYTES, undoMegabytes);
}

const MessageMap& SettingsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        OnCommand(IDC_SETTINGS_BROWSE, &SettingsDlg::OnBrowsePyTivo),
    };
    return map;
}

void SettingsDlg::OnBrowsePyTivo()
{
    // Only the field changes: the location itself is read back on OK, so
    // Cancel after a pick keeps the old one.
    std::vector<std::string> paths;
    FileDialogRequest request = PyTivoPickerRequest();
    request.owner = m_hWnd;
    if (ThePrompt().PickFiles(request, paths) && !paths.empty())
        pyTivoEdit_.SetWindowText(paths.front());
}

bool EditSetup(Settings& settings)
{
    SettingsDlg dialog;
    dialog.pyTivoLocation = settings.PythonLoc;
    dialog.parseNames = settings.ParseNames == "true" ? BST_CHECKED : BST_UNCHECKED;
    dialog.lookup = settings.Lookup == "true" ? BST_CHECKED : BST_UNCHECKED;
    dialog.tmdbKey = settings.TmdbKey;
    dialog.metaFolder = settings.MetaFolder == "true" ? BST_CHECKED : BST_UNCHECKED;
    dialog.wholeTemplate = settings.WholeTemplate == "true" ? BST_CHECKED : BST_UNCHECKED;
    dialog.deleteForGood = settings.DeleteForGood == "true" ? BST_CHECKED : BST_UNCHECKED;
    dialog.undoDays = settings.UndoDays;
    dialog.undoMegabytes = settings.UndoMegabytes;
    if (dialog.DoModal() != IDOK)
        return false;
    settings.PythonLoc = dialog.pyTivoLocation;
    settings.ParseNames = dialog.parseNames == BST_CHECKED ? "true" : "false";
    settings.Lookup = dialog.lookup == BST_CHECKED ? "true" : "false";
    // A key pasted with spaces or a line end around it is the same key.
    settings.TmdbKey = TrimmedOf(dialog.tmdbKey, " \t\r\n");
    settings.MetaFolder = dialog.metaFolder == BST_CHECKED ? "true" : "false";
    settings.WholeTemplate = dialog.wholeTemplate == BST_CHECKED ? "true" : "false";
    settings.DeleteForGood = dialog.deleteForGood == BST_CHECKED ? "true" : "false";
    TakeUndoNumber(dialog.undoDays, kMostUndoDays, settings.UndoDays);
    TakeUndoNumber(dialog.undoMegabytes, kMostUndoMegabytes, settings.UndoMegabytes);
    return true;
}
