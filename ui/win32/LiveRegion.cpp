#include "ui/win32/LiveRegion.h"

#include "platform/RuntimeFailure.h"
#include "ui/win32/LibraryCalls.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

namespace jestrel
{

namespace
{

constexpr UINT_PTR kSubclassId = 0x11E;
// Not in MinGW-w64's headers: UI Automation's LiveSetting property, and its polite value.
constexpr GUID kLiveSettingProperty { 0xc12bcd8e, 0x2a8e, 0x4950, { 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb } };
// Written here rather than taken from libuuid, whose object that holds them brings some 3,400
// other identifiers, 36 KB, into the program.
constexpr GUID kAccPropServicesClass { 0xb5f8350b, 0x0548, 0x48b1, { 0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7 } };
constexpr GUID kAccPropServicesInterface {
    0x6e26e776, 0x04f0, 0x495d, { 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69 }
};
constexpr LONG kPolite = 1;

// Where the system cannot set the mark, as Wine cannot, the control only goes unread as a region.
void markPolite(HWND control)
{
    decltype(&CoInitializeEx) joinApartment = nullptr;
    decltype(&CoCreateInstance) createObject = nullptr;
    const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    findCall(ole32, "CoInitializeEx", joinApartment);
    findCall(ole32, "CoCreateInstance", createObject);
    IAccPropServices *services = nullptr;
    if (!joinApartment || !createObject || FAILED(joinApartment(nullptr, COINIT_APARTMENTTHREADED))
        || FAILED(createObject(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                               reinterpret_cast<void **>(&services))))
        return;
    VARIANT polite {};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
    services->Release();
}

// Marks the control before a screen reader first reads it, which is when it looks for the mark.
LRESULT CALLBACK markOnFirstRead(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETOBJECT || message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, markOnFirstRead, kSubclassId);
        if (message == WM_GETOBJECT)
            markPolite(control);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void makeLiveRegion(HWND control)
{
    if (!SetWindowSubclass(control, markOnFirstRead, kSubclassId, 0))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the saying readable to screen readers.");
}

void announceLiveRegion(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace jestrel
