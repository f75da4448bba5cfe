// The make and restore buttons of the main window.
#include "app/TForm1.h"

void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::CheckEnvfilesFolder(const std::string&) {}
void TForm1::FindRainEnvFiles(const std::string&) {}
void TForm1::CheckSiblingProgram() {}
void TForm1::writeReport() {}
