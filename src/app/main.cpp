// The program: the one application object, made before main runs, and the Qt main loop.
#include "app/BowlingApp.h"
#include "framework/qt/QtBackend.h"

CBowlingApp theApp;

int main(int argc, char** argv) { return AfxQtMain(argc, argv); }
