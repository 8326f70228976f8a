#include "platform/win32/Clipboard.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"

#include <algorithm>
#include <new>

namespace jestrel
{

namespace
{

// Clipboard viewers open the clipboard for a moment after each change; a copy waits that long.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;

[[noreturn]] void failCopy(std::string_view cause)
{
    throw RuntimeFailure(FailureKind::WindowOperation, "Cannot copy to the clipboard: " + std::string(cause) + ".");
}

// The text as the clipboard takes it: in memory of its own, ending in a null.
HGLOBAL globalCopy(std::wstring_view text)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory)
        throw std::bad_alloc();
    auto *copy = static_cast<wchar_t *>(GlobalLock(memory));
    *std::ranges::copy(text, copy).out = L'\0';
    GlobalUnlock(memory);
    return memory;
}

bool openClipboard(HWND owner)
{
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        if (attempt == kOpenAttempts)
            return false;
        Sleep(kOpenRetryMilliseconds);
    }
}

} // namespace

void copyToClipboard(HWND owner, std::wstring_view text)
{
    const HGLOBAL memory = globalCopy(text);
    if (!openClipboard(owner)) {
        GlobalFree(memory);
        failCopy("another program holds it open");
    }
    // Once set, the memory is the clipboard's.
    const bool copied = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    const DWORD error = GetLastError();
    CloseClipboard();
    if (!copied) {
        GlobalFree(memory);
        failCopy(systemErrorText(static_cast<int>(error)));
    }
}

} // namespace jestrel
