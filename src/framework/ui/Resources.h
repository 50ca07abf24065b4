#pragma once
// The shapes of the program's resources: dialog templates, menus, the toolbar, accelerators
// and the string table. The tables themselves live in src/resources, which hands them to the
// framework once at start-up (see resources/Resources.h).
#include <span>
#include <vector>

#include "framework/core/String.h"
#include "framework/ui/UiTypes.h"

// What a dialog control is; the Qt backend picks the widget from it.
enum class CtlKind {
    Static,        // text label (SS_LEFT/SS_CENTER/SS_RIGHT)
    Frame,         // etched or black frame without text
    Edit,          // CEdit (ES_MULTILINE, ES_READONLY, ES_NUMBER...)
    PushButton,    // CButton; BS_DEFPUSHBUTTON marks the default button
    CheckBox,      // CButton, checked and unchecked on each click
    RadioButton,   // CButton; WS_GROUP on the first radio of each group
    GroupBox,      // CButton drawn as a titled frame
    ComboBox,      // CComboBox (CBS_DROPDOWN or CBS_DROPDOWNLIST, CBS_SORT)
    ListBox,       // CListBox (LBS_SORT, LBS_MULTIPLESEL, LBS_EXTENDEDSEL, LBS_USETABSTOPS)
    BitmapButton,  // CBitmapButton; text names the picture
};

// One control: rectangle in dialog units (x, y, width, height).
struct DlgControl {
    CtlKind kind;
    UINT id;
    const char* text;
    short x, y, cx, cy;
    DWORD style = 0;
};

// One dialog: size in dialog units; the controls' order is the tab order.
struct DlgTemplate {
    UINT id;
    const char* caption;
    short cx, cy;
    std::vector<DlgControl> controls;
};

// Menus are written flat: POPUP opens a sub-menu that END_POPUP closes.
enum class MenuKind { Item, Separator, Popup, EndPopup };
struct MenuEntry {
    MenuKind kind;
    UINT id;
    const char* text;  // "&Open...\tCtrl+O"
};
struct MenuTemplate {
    UINT id;
    std::vector<MenuEntry> entries;
};
#define MENUITEM(text, id) MenuEntry{MenuKind::Item, static_cast<UINT>(id), text}
#define MENU_SEPARATOR MenuEntry{MenuKind::Separator, 0, nullptr}
#define POPUP(text) MenuEntry{MenuKind::Popup, 0, text}
#define END_POPUP MenuEntry{MenuKind::EndPopup, 0, nullptr}

// A toolbar place: a command with its picture name, or a separator (id 0).
constexpr UINT ID_SEPARATOR = 0;
struct ToolbarButton {
    UINT id;
    const char* picture;  // a name the backend draws: "new", "open", "save", "print", ...
};
struct ToolbarTemplate {
    UINT id;
    std::vector<ToolbarButton> buttons;
};

// An accelerator: a key sequence in the portable spelling "Ctrl+N", "F1", "Shift+Del".
struct Accelerator {
    const char* keys;
    UINT id;
};
struct AcceleratorTable {
    UINT id;
    std::vector<Accelerator> keys;
};

// A string resource: command prompts ("Open an existing league\nOpen"), document strings.
struct StringEntry {
    UINT id;
    const char* text;
};

// The registry the framework looks templates up in.
void AfxRegisterDialogTemplates(std::span<const DlgTemplate> templates);
void AfxRegisterMenu(const MenuTemplate& menu);
void AfxRegisterToolbar(const ToolbarTemplate& toolbar);
void AfxRegisterAccelerators(const AcceleratorTable& table);
void AfxRegisterStrings(std::span<const StringEntry> strings);

const DlgTemplate* AfxFindDialogTemplate(UINT nID);
std::vector<const DlgTemplate*> AfxAllDialogTemplates();  // in id order
const MenuTemplate* AfxFindMenu(UINT nID);
const ToolbarTemplate* AfxFindToolbar(UINT nID);
const AcceleratorTable* AfxFindAccelerators(UINT nID);
// The string of nID, or an empty string when there is none.
CString AfxLoadString(UINT nID);
BOOL AfxHasString(UINT nID);
