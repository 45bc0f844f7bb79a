#include "messenger/shell_reg_write.h"

#include "platform/handles.h"

namespace tintora {

bool ShellRegWriteDword(const wchar_t* valuePath, std::int32_t value) noexcept {
    // COM for this write only: the program starts without it. First, so it outlives every object.
    const platform::ComApartment com;
    CLSID shellClass{};
    if (FAILED(platform::sys::CLSIDFromProgID(L"wscript.shell", &shellClass))) return false;
    IDispatch* created = nullptr;
    if (FAILED(platform::sys::CoCreateInstance(shellClass, nullptr,
                                               CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                               reinterpret_cast<void**>(&created))))
        return false;
    const platform::ComPtr<IDispatch> shell(created);

    const platform::UniqueBstr methodName(platform::sys::SysAllocString(L"RegWrite"));
    LPOLESTR names[] = {methodName.get()};
    DISPID regWrite = 0;
    if (!methodName || FAILED(shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &regWrite)))
        return false;

    // Arguments go in reverse order: type name, value, path.
    platform::UniqueVariant arguments[3];
    V_VT(arguments[0].get()) = VT_BSTR;
    V_BSTR(arguments[0].get()) = platform::sys::SysAllocString(L"REG_DWORD");
    V_VT(arguments[1].get()) = VT_I4;
    V_I4(arguments[1].get()) = value;
    V_VT(arguments[2].get()) = VT_BSTR;
    V_BSTR(arguments[2].get()) = platform::sys::SysAllocString(valuePath);
    if (V_BSTR(arguments[0].get()) == nullptr || V_BSTR(arguments[2].get()) == nullptr) return false;
    VARIANT raw[3] = {*arguments[0].get(), *arguments[1].get(), *arguments[2].get()}; // borrowed, not owned
    DISPPARAMS parameters{raw, nullptr, 3, 0};
    platform::UniqueVariant result;
    EXCEPINFO exception{};
    const HRESULT status = shell->Invoke(regWrite, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &parameters, result.get(), &exception, nullptr);
    platform::sys::SysFreeString(exception.bstrSource);
    platform::sys::SysFreeString(exception.bstrDescription);
    platform::sys::SysFreeString(exception.bstrHelpFile);
    return SUCCEEDED(status);
}

} // namespace tintora
