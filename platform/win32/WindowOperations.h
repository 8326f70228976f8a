#pragma once

#include "platform/WindowOperations.h"

#include <windows.h>

namespace jestrel
{

// A top-level window's window operations, in the pixels of the monitor it stands on.
class Win32Window final : public WindowOperations
{
public:
    explicit Win32Window(HWND window) : m_window(window) { }

    TwipsSize screenSize() override;
    TwipsSize outerSize() override;
    void move(int left, int top) override;

private:
    HWND m_window;
};

} // namespace jestrel
