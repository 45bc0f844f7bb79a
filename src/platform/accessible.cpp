// The accessible object is made afresh for each WM_GETOBJECT and handed out through
// LresultFromObject, which marshals it to the asking process. It keeps only the window handle and
// looks the source up in the control's subclass at each question, so a client that holds on to it
// after the control has gone gets an error rather than a dangling source.
#include "platform/accessible.h"

#include <commctrl.h>
#include <new>
#include <oleacc.h>

namespace tintora::platform {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The question the subclass answers with its source. A message of its own, since not every
// comctl32 import library names GetWindowSubclass.
UINT SourceQuery() noexcept {
    static const UINT message = ::RegisterWindowMessageW(L"AccessibleSourceQuery");
    return message;
}

// The source of a control that is still wrapped; nullptr once the control has gone.
AccessibleSource* SourceOf(HWND control) noexcept {
    if (!::IsWindow(control)) return nullptr;
    return reinterpret_cast<AccessibleSource*>(::SendMessageW(control, SourceQuery(), 0, 0));
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

class SpokenAccessible final : public IAccessible, public IOleWindow {
public:
    SpokenAccessible(HWND control, ComPtr<IAccessible> standard) noexcept
        : control_(control)
        , standard_(std::move(standard)) {}
    SpokenAccessible(const SpokenAccessible&) = delete;
    SpokenAccessible& operator=(const SpokenAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(::InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleWindow: screen readers find the window an object belongs to through it.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: late-bound callers would bypass the texts below, so there is none.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: our three texts, the rest as the standard object answers.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(AccessibleField::Name, child, name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(AccessibleField::Value, child, value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Text(AccessibleField::Description, child, description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~SpokenAccessible() = default;

    using StandardText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

    HRESULT Text(AccessibleField field, VARIANT child, BSTR* text, StandardText standard) {
        if (text == nullptr) return E_POINTER;
        *text = nullptr;
        if (!::IsWindow(control_)) return RPC_E_DISCONNECTED;
        AccessibleSource* source = SourceOf(control_);
        wchar_t buffer[128] = L"";
        if (!IsSelf(child) || source == nullptr ||
            !source->AccessibleText(::GetDlgCtrlID(control_), field, buffer, 128))
            return (standard_.get()->*standard)(child, text);
        *text = sys::SysAllocString(buffer);
        return *text != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    LONG references_ = 1;
    HWND control_;
    ComPtr<IAccessible> standard_;
};

LRESULT AnswerGetObject(HWND control, WPARAM wParam) {
    // Handing an object to another process takes COM, which the program starts without: the first
    // screen reader's question brings it, for as long as the program runs.
    static const ComApartment com;
    void* made = nullptr;
    if (FAILED(sys::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), &made))) return 0;
    ComPtr<IAccessible> standard(static_cast<IAccessible*>(made));
    IAccessible* object = new (std::nothrow) SpokenAccessible(control, std::move(standard));
    if (object == nullptr) return 0;
    const ComPtr<IAccessible> owned(object);
    const LRESULT answer = sys::LresultFromObject(__uuidof(IAccessible), wParam, object);
    // A failure comes back as a negative HRESULT; the window's own answer stands then.
    return answer < 0 ? 0 : answer;
}

LRESULT CALLBACK AccessibleProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR source) noexcept {
    LRESULT answer = 0;
    if (AnswerAccessible(control, message, wParam, lParam, *reinterpret_cast<AccessibleSource*>(source),
                         answer))
        return answer;
    if (message == WM_NCDESTROY) sys::RemoveWindowSubclass(control, &AccessibleProc, kSubclassId);
    return sys::DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

bool MakeAccessible(HWND control, AccessibleSource& source) noexcept {
    return control != nullptr && sys::SetWindowSubclass(control, &AccessibleProc, kSubclassId,
                                                        reinterpret_cast<DWORD_PTR>(&source));
}

bool AnswerAccessible(HWND control, UINT message, WPARAM wParam, LPARAM lParam, AccessibleSource& source,
                      LRESULT& answer) noexcept {
    if (message == SourceQuery() && message != 0) {
        answer = reinterpret_cast<LRESULT>(&source);
        return true;
    }
    // The object id travels in the low 32 bits, sign-extended or not.
    if (message != WM_GETOBJECT || static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT)
        return false;
    answer = AnswerGetObject(control, wParam);
    return answer != 0;
}

void AnnounceValueChange(HWND control) noexcept {
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace tintora::platform
