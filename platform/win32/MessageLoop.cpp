#include "platform/win32/MessageLoop.h"

#include "platform/RuntimeFailure.h"
#include "platform/win32/WindowMessages.h"

namespace jestrel
{

namespace
{

// False when the program is to end: message then holds WM_QUIT and its exit status.
bool nextMessage(MSG &message)
{
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == -1)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot take the next window message.");
    return result != 0;
}

void dispatch(MSG &message)
{
    const HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    const bool isKey = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (topLevel && isKey && SendMessageW(topLevel, kPreviewKeyMessage, 0, reinterpret_cast<LPARAM>(&message)))
        return;
    if (topLevel && IsDialogMessageW(topLevel, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

int runMessageLoop()
{
    MSG message {};
    while (nextMessage(message))
        dispatch(message);
    return static_cast<int>(message.wParam);
}

void runMessageLoopWhile(const std::function<bool()> &going)
{
    MSG message {};
    while (going()) {
        if (!nextMessage(message)) {
            // The outer loop ends the program with the same status.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

} // namespace jestrel
