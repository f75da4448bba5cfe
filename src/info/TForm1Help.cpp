// The main window's help menu.
#include "app/TForm1.h"

void TForm1::Help2Click() {}
int TForm1::AskHelpLanguage(const std::string&) { return 0; }
