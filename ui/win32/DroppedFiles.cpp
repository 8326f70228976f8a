#include "ui/win32/DroppedFiles.h"

#include "platform/WideText.h"
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

std::vector<std::string> droppedFiles(HDROP drop)
{
    const DropCalls &calls = dropCalls();
    std::vector<std::string> files;
    // Windows always has them; without them nothing can be read of a drop.
    if (!calls.queryFile || !calls.finish)
        return files;
    constexpr UINT kCount = 0xFFFFFFFF;
    const UINT count = calls.queryFile(drop, kCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring file(calls.queryFile(drop, i, nullptr, 0) + 1, L'\0');
        file.resize(calls.queryFile(drop, i, file.data(), static_cast<UINT>(file.size())));
        files.push_back(toUtf8(file));
    }
    calls.finish(drop);
    return files;
}

} // namespace jestrel
