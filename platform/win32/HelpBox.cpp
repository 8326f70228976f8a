#include "platform/win32/HelpBox.h"

#include "platform/WideText.h"

#include <windows.h>

namespace jestrel
{

void showHelp(std::string_view help)
{
    MessageBoxW(nullptr, toWide(help).c_str(), L"Jestrel!", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

} // namespace jestrel
