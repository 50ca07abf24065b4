#pragma once
// The program's resources: command ids, dialog ids and the tables the framework builds the
// windows from. Call RegisterResources() once before the first window or dialog.
//
// To add a dialog template:
//   1. Give it an id in the header of its area under dialogs/ (included by the dialog's class) (IDD_... with the number the
//      dialog has always had, and its controls' IDC_... ids).
//   2. Add its table to the list in the area's .cpp: id, caption, size in dialog units, and
//      its controls in tab order, each { kind, id, text, x, y, width, height, style }:
//
//          {IDD_SELECT_ROUND, "Select a Round", 160, 60, {
//              {CtlKind::Static, IDC_STATIC, "Round:", 7, 9, 30, 8},
//              {CtlKind::ComboBox, IDC_ROUND, nullptr, 40, 7, 60, 80, CBS_DROPDOWNLIST | WS_VSCROLL},
//              {CtlKind::PushButton, IDOK, "OK", 103, 7, 50, 14, BS_DEFPUSHBUTTON},
//              {CtlKind::PushButton, IDCANCEL, "Cancel", 103, 24, 50, 14},
//          }},
//
//      WS_GROUP starts a group of radio buttons; WS_DISABLED and WS_HIDDEN set the first state.
//   3. Nothing else: the dialog gallery test draws every registered template to
//      build/.../tests/app/gallery/IDD_<id>.png, so look at it there.
// To add a command see CommandIds.h.
#include "framework/ui/Resources.h"
#include "resources/CommandIds.h"

// The main frame's menu, toolbar, accelerators and document strings; the document template.
constexpr UINT IDR_MAINFRAME = 2;
// The view's right-click menu: sub-menu 0 for a team, 1 for a bowler.
constexpr UINT IDR_VIEW_POPUP = 130;

// Hands every table above to the framework; safe to call more than once.
void RegisterResources();

// Each area's dialog templates.
const std::vector<DlgTemplate>& AppDialogTemplates();
const std::vector<DlgTemplate>& AdminDialogTemplates();
const std::vector<DlgTemplate>& LeagueDialogTemplates();
const std::vector<DlgTemplate>& ReportDialogTemplates();
const std::vector<DlgTemplate>& ResultDialogTemplates();
const std::vector<DlgTemplate>& ViewDialogTemplates();
const std::vector<DlgTemplate>& RulesDialogTemplates();
