#include "ui/win32/AccessibleControl.h"

#include "platform/RuntimeFailure.h"
#include "ui/win32/LibraryCalls.h"
#include "ui/win32/Modality.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>
#include <optional>

namespace jestrel
{

namespace
{

constexpr UINT_PTR kSubclassId = 0xACC;
// The subclass's data for a modal box's own window; a control's is its kind.
constexpr DWORD_PTR kModalBox = 0x100;

// The calls of the accessibility and COM libraries the controls need, loaded the first time a
// screen reader asks: most runs never do, and under Wine loading the libraries at start-up made
// the first showing a third slower.
struct AccessibilityCalls {
    decltype(&CoInitializeEx) joinApartment = nullptr;
    decltype(&CreateStdAccessibleObject) standardObject = nullptr;
    decltype(&LresultFromObject) handOver = nullptr;
    decltype(&SysAllocString) allocateString = nullptr;
};

// Null where a library or call is missing.
const AccessibilityCalls *accessibilityCalls()
{
    static const AccessibilityCalls calls = [] {
        AccessibilityCalls found;
        findCall(LoadLibraryW(L"ole32.dll"), "CoInitializeEx", found.joinApartment);
        const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        findCall(oleacc, "CreateStdAccessibleObject", found.standardObject);
        findCall(oleacc, "LresultFromObject", found.handOver);
        findCall(LoadLibraryW(L"oleaut32.dll"), "SysAllocString", found.allocateString);
        // A screen reader in another process reaches the objects through COM, which the thread
        // joins here.
        if (found.joinApartment)
            found.joinApartment(nullptr, COINIT_APARTMENTTHREADED);
        return found;
    }();
    return calls.joinApartment && calls.standardObject && calls.handOver && calls.allocateString ? &calls : nullptr;
}

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's own object for the control, with the role and default action of its kind; for a
// modal box's window, of a dialog.
class AccessibleControl final : public IAccessible
{
public:
    AccessibleControl(HWND control, std::optional<forms::ControlKind> kind, IAccessible *standard)
        : m_control(control), m_kind(kind), m_standard(standard)
    {
    }

    STDMETHODIMP QueryInterface(REFIID id, void **object) override
    {
        if (id != IID_IUnknown && id != IID_IDispatch && id != __uuidof(IAccessible)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    STDMETHODIMP get_accRole(VARIANT child, VARIANT *role) override
    {
        if (!isSelf(child))
            return m_standard->get_accRole(child, role);
        // In the order of forms::ControlRole.
        constexpr LONG kRoles[] { ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_STATICTEXT,
                                  ROLE_SYSTEM_DIALOG };
        role->vt = VT_I4;
        role->lVal = kRoles[static_cast<int>(currentRole())];
        return S_OK;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        if (!isSelf(child))
            return m_standard->get_accDefaultAction(child, action);
        *action = currentRole() == forms::ControlRole::PushButton ? accessibilityCalls()->allocateString(L"Press")
                                                                  : nullptr;
        return *action ? S_OK : S_FALSE;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override
    {
        if (!isSelf(child))
            return m_standard->accDoDefaultAction(child);
        if (!m_kind
            || !forms::isPressable(*m_kind, IsWindowEnabled(m_control) != FALSE, isBlockedByModalBox(m_control)))
            return DISP_E_MEMBERNOTFOUND;
        // Pressed once the screen reader's call has returned, as a click would be.
        PostMessageW(m_control, BM_CLICK, 0, 0);
        return S_OK;
    }

    // Everything else is the system's.
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { return m_standard->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID id, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override
    {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS *parameters, VARIANT *result,
                        EXCEPINFO *exception, UINT *argument) override
    {
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }
    STDMETHODIMP get_accParent(IDispatch **parent) override { return m_standard->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(long *count) override { return m_standard->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch **object) override
    {
        return m_standard->get_accChild(child, object);
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR *name) override { return m_standard->get_accName(child, name); }
    STDMETHODIMP get_accValue(VARIANT child, BSTR *value) override { return m_standard->get_accValue(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR *description) override
    {
        return m_standard->get_accDescription(child, description);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT *state) override
    {
        const HRESULT result = m_standard->get_accState(child, state);
        // Only the blocked window is disabled, which the system does not read into its controls.
        if (SUCCEEDED(result) && isSelf(child) && state->vt == VT_I4 && m_kind && isBlockedByModalBox(m_control)) {
            state->lVal |= STATE_SYSTEM_UNAVAILABLE;
            state->lVal &= ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
        }
        return result;
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR *help) override { return m_standard->get_accHelp(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT *child) override { return m_standard->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT *children) override { return m_standard->get_accSelection(children); }
    STDMETHODIMP accSelect(long flags, VARIANT child) override { return m_standard->accSelect(flags, child); }
    STDMETHODIMP accLocation(long *left, long *top, long *width, long *height, VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(long left, long top, VARIANT *child) override
    {
        return m_standard->accHitTest(left, top, child);
    }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return m_standard->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return m_standard->put_accValue(child, value); }

private:
    ~AccessibleControl() { m_standard->Release(); }

    forms::ControlRole currentRole() const
    {
        return m_kind ? forms::roleOf(*m_kind, IsWindowEnabled(m_control) != FALSE) : forms::ControlRole::Dialog;
    }

    HWND m_control;
    std::optional<forms::ControlKind> m_kind;
    IAccessible *m_standard;
    LONG m_references = 1;
};

LRESULT CALLBACK answerAccessibility(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR what)
{
    const AccessibilityCalls *calls = nullptr;
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)
        && (calls = accessibilityCalls())) {
        IAccessible *standard = nullptr;
        if (FAILED(calls->standardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&standard))))
            return DefSubclassProc(control, message, wParam, lParam);
        const std::optional<forms::ControlKind> kind
            = what == kModalBox ? std::nullopt : std::optional(static_cast<forms::ControlKind>(what));
        auto *accessible = new AccessibleControl(control, kind, standard);
        const LRESULT result = calls->handOver(__uuidof(IAccessible), wParam, accessible);
        accessible->Release();
        return result;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, answerAccessibility, kSubclassId);
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void makeAccessible(HWND control, forms::ControlKind kind)
{
    if (!SetWindowSubclass(control, answerAccessibility, kSubclassId, static_cast<DWORD_PTR>(kind)))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make a control readable to screen readers.");
}

void makeAccessibleModalBox(HWND window)
{
    if (!SetWindowSubclass(window, answerAccessibility, kSubclassId, kModalBox))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the window readable to screen readers.");
}

} // namespace jestrel
