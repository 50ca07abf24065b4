#pragma once
// The Qt backend of the window vocabulary. This header includes no Qt, so the application's
// start-up and tests can reach it; everything Qt stays in this folder.
#include "framework/ui/Backend.h"

class CView;

// Runs the application object on Qt: makes the QApplication, installs the Qt backend, runs
// InitApplication, InitInstance and the main loop, then ExitInstance.
int AfxQtMain(int argc, char** argv);

// Makes the Qt backend; a QApplication must exist. The caller owns and installs it.
CUiBackend* AfxCreateQtBackend();

// Draws dialog template nIDD as it shows on the screen into a PNG file; FALSE when the
// template is unknown or the file cannot be written.
BOOL AfxRenderDialogToPng(UINT nIDD, const char* pszPath);
// Prints the view into a PDF file through its printing sequence; the number of pages, or -1.
int AfxPrintViewToPdf(CView& view, const char* pszPath);
// Draws the view's screen display into a PNG file of the given size in pixels.
BOOL AfxRenderViewToPng(CView& view, const char* pszPath, int nWidth, int nHeight);

// Draws the main window, menu bar, toolbar and status bar included, into a PNG file.
BOOL AfxRenderMainWindowToPng(const char* pszPath);
// Keeps the profile and registry files in this folder (tests, portable use).
void AfxUseSettingsFolder(const char* pszFolder);

// How many later starts this instance has been asked to come forward by.
int AfxActivationRequests();
