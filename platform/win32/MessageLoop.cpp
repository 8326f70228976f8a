#include "platform/win32/MessageLoop.h"

#include "platform/RuntimeFailure.h"

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

// Marks a window whose modal showing goes on. Windows hides owned windows while their owner is
// minimised, so being hidden does not end the showing: only hideModal() does.
constexpr const wchar_t *kShownModally = L"Jestrel.ShownModally";

void showModal(HWND window)
{
    SetPropW(window, kShownModally, reinterpret_cast<HANDLE>(1));
    EnableWindow(GetWindow(window, GW_OWNER), FALSE);
    ShowWindow(window, SW_SHOW);
    MSG message {};
    while (GetPropW(window, kShownModally)) {
        if (!nextMessage(message)) {
            // The outer loop ends the program with the same status.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message);
    }
    RemovePropW(window, kShownModally);
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
}

void hideModal(HWND window)
{
    RemovePropW(window, kShownModally);
    // Enabled before the window hides, so that Windows activates the owner and not another program.
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    ShowWindow(window, SW_HIDE);
}

bool isBlockedByModalBox(HWND window)
{
    return !IsWindowEnabled(GetAncestor(window, GA_ROOT));
}

} // namespace jestrel
