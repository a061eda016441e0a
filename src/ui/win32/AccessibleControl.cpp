// The answers each control of the main window gives assistive technology
// through Active Accessibility: the system's standard object, with the name,
// role and state the layout gives the control.
#include "AccessibleControl.h"

#include "ControlRules.h"
#include "WindowSupport.h"
#include "platform/win32/SystemFunction.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>
#include <string>

namespace vellumet {

namespace {

constexpr UINT_PTR SubclassId = 1;

// What the answers take from oleacc and oleaut32. The two libraries load when
// assistive technology first asks, so that a program nobody inspects never
// loads them, and only from the system folder.
struct AccessibilityFunctions {
    decltype(&CreateStdAccessibleObject) CreateStandardObject = nullptr;
    decltype(&LresultFromObject) ResultFromObject = nullptr;
    decltype(&SysAllocStringLen) AllocateString = nullptr;
    decltype(&DispInvoke) InvokeThroughTypeInfo = nullptr;
};

// Null when the system lacks one of them; the control then keeps the system's answers.
const AccessibilityFunctions* Functions()
{
    static const AccessibilityFunctions functions = [] {
        return AccessibilityFunctions{
            SystemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
            SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
            SystemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen"),
            SystemFunction<decltype(DispInvoke)>(L"oleaut32.dll", "DispInvoke")};
    }();
    const bool complete = functions.CreateStandardObject && functions.ResultFromObject && functions.AllocateString &&
                          functions.InvokeThroughTypeInfo;
    return complete ? &functions : nullptr;
}

LONG RoleConstant(AccessibleRole role)
{
    switch (role) {
    // The client area of the window; the system's window object around it is ROLE_SYSTEM_WINDOW.
    case AccessibleRole::Window: return ROLE_SYSTEM_CLIENT;
    case AccessibleRole::PageTabList: return ROLE_SYSTEM_PAGETABLIST;
    case AccessibleRole::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::ComboBox: return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Link: return ROLE_SYSTEM_LINK;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool IsSelf(const VARIANT& child) { return V_VT(&child) == VT_I4 && V_I4(&child) == CHILDID_SELF; }

// The caption the control shows. A text field's text is what was typed into
// it, which is its value and never its name.
std::string CaptionShown(HWND window, Control control)
{
    if (IsTextField(control))
        return {};
    return Utf8(TextOf(window));
}

// The control's accessible object: the system's standard object for the
// window, with the control's own name, role and state in place of the
// system's. It enumerates its children and tells its window as the standard
// object does.
class AccessibleControl final : public IAccessible, public IEnumVARIANT, public IOleWindow {
public:
    AccessibleControl(const AccessibilityFunctions& functions, IAccessible* standard, HWND window, Control control)
        : functions(functions)
        , standard(standard)
        , window(window)
        , control(control)
    {
        void* found = nullptr;
        if (SUCCEEDED(standard->QueryInterface(__uuidof(IEnumVARIANT), &found)))
            children = static_cast<IEnumVARIANT*>(found);
    }
    ~AccessibleControl()
    {
        if (children)
            children->Release();
        standard->Release();
    }
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (id == __uuidof(IEnumVARIANT) && children)
            *object = static_cast<IEnumVARIANT*>(this);
        else if (id == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const auto left = static_cast<ULONG>(InterlockedDecrement(&references));
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override
    {
        return standard->GetTypeInfo(index, locale, typeInfo);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* dispatchIds) override
    {
        return standard->GetIDsOfNames(id, names, count, locale, dispatchIds);
    }
    // A call by dispatch id reaches this object's own methods, so that a
    // script hears the same name, role and state.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        ITypeInfo* typeInfo = nullptr;
        HRESULT outcome = standard->GetTypeInfo(0, locale, &typeInfo);
        if (FAILED(outcome))
            return outcome;
        outcome = functions.InvokeThroughTypeInfo(static_cast<IAccessible*>(this), typeInfo, member, flags, parameters,
                                                  result, exception, argumentError);
        typeInfo->Release();
        return outcome;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (!name)
            return E_POINTER;
        if (!IsSelf(child))
            return standard->get_accName(child, name);
        try {
            const std::wstring spoken = Wide(AccessibleNameOf(control, CaptionShown(window, control)));
            // Without a name of its own a field is named by the label before it, as the system names it.
            if (spoken.empty())
                return standard->get_accName(child, name);
            *name = functions.AllocateString(spoken.data(), static_cast<UINT>(spoken.size()));
        } catch (const std::bad_alloc&) {
            *name = nullptr;
        }
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!role)
            return E_POINTER;
        if (!IsSelf(child))
            return standard->get_accRole(child, role);
        V_VT(role) = VT_I4;
        V_I4(role) = RoleConstant(RoleOf(control));
        return S_OK;
    }
    // The system's state, corrected where it does not know the control: a
    // push-like option is checked while selected, only a control that takes
    // the focus can take it, and a control on a hidden tab is unseen.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (!state)
            return E_POINTER;
        const HRESULT outcome = standard->get_accState(child, state);
        if (!IsSelf(child) || FAILED(outcome) || V_VT(state) != VT_I4)
            return outcome;
        LONG bits = V_I4(state) & ~(STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED |
                                    STATE_SYSTEM_INVISIBLE);
        if (!IsWindowEnabled(window))
            bits |= STATE_SYSTEM_UNAVAILABLE;
        else if (TakesFocus(LayoutOf(control).Kind))
            bits |= STATE_SYSTEM_FOCUSABLE;
        if (HasCheck(control) && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED)
            bits |= STATE_SYSTEM_CHECKED;
        if (!IsWindowVisible(window))
            bits |= STATE_SYSTEM_INVISIBLE;
        V_I4(state) = bits;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override
    {
        return standard->get_accHelpTopic(helpFile, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override { return standard->get_accFocus(focused); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override
    {
        return standard->get_accSelection(selected);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard->put_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* found, ULONG* fetched) override
    {
        return children->Next(count, found, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children->Clone(copy); }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* found) override
    {
        if (!found)
            return E_POINTER;
        *found = window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    const AccessibilityFunctions& functions;
    IAccessible* standard;
    IEnumVARIANT* children = nullptr;
    HWND window;
    Control control;
    LONG references = 1;
};

// The marshalled object for a WM_GETOBJECT answer, or 0 to leave the question to the system.
LRESULT AccessibleObjectOf(HWND window, Control control, WPARAM flags)
{
    const AccessibilityFunctions* functions = Functions();
    void* standard = nullptr;
    if (!functions || FAILED(functions->CreateStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible), &standard)))
        return 0;
    auto* object =
        new (std::nothrow) AccessibleControl(*functions, static_cast<IAccessible*>(standard), window, control);
    if (!object) {
        static_cast<IAccessible*>(standard)->Release();
        return 0;
    }
    const LRESULT result = functions->ResultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(object));
    object->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK AccessibilityProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR control)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, AccessibilityProc, SubclassId);
    // The object id comes as a DWORD; on 64-bit Windows it is not sign-extended.
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT)
        if (const LRESULT answer = AccessibleObjectOf(window, static_cast<Control>(control), wParam))
            return answer;
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void AnswerAccessibilityQueries(HWND window, Control control)
{
    SetWindowSubclass(window, AccessibilityProc, SubclassId, static_cast<DWORD_PTR>(control));
}

} // namespace vellumet
