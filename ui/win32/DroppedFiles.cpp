#include "ui/win32/DroppedFiles.h"

#include "ui/win32/LibraryCalls.h"

#include <shellapi.h>

namespace jestrel
{

namespace
{

// The shell's calls for a drop, loaded at the first drop: imported, the shell library would load
// at every start, which under Wine makes the first showing slower.
struct DropCalls {
    decltype(&DragQueryFileW) queryFile = nullptr;
    decltype(&DragFinish) finish = nullptr;
};

const DropCalls &dropCalls()
{
    static const DropCalls calls = [] {
        DropCalls found;
        const HMODULE shell = LoadLibraryW(L"shell32.dll");
        findCall(shell, "DragQueryFileW", found.queryFile);
        findCall(shell, "DragFinish", found.finish);
        return found;
    }();
    return calls;
}

} // namespace

std::optional<std::wstring> droppedFile(HDROP drop)
{
    const DropCalls &calls = dropCalls();
    // Windows always has them; without them nothing can be read of a drop.
    if (!calls.queryFile || !calls.finish)
        return std::nullopt;
    std::optional<std::wstring> file;
    constexpr UINT kCount = 0xFFFFFFFF;
    if (calls.queryFile(drop, kCount, nullptr, 0) == 1) {
        file.emplace(calls.queryFile(drop, 0, nullptr, 0) + 1, L'\0');
        file->resize(calls.queryFile(drop, 0, file->data(), static_cast<UINT>(file->size())));
    }
    calls.finish(drop);
    return file;
}

} // namespace jestrel
