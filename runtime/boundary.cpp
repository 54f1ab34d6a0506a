#include "runtime/boundary.h"

#include <oleauto.h>

#include "runtime/application.h"
#include "runtime/com_error.h"
#include "runtime/cp1251.h"

namespace zvk {

namespace {

// Takes the message the host left in the thread's COM error object, if any.
std::string takeHostMessage() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || info == nullptr) {
        return {};
    }
    BSTR description = nullptr;
    std::string message;
    if (SUCCEEDED(info->GetDescription(&description)) && description != nullptr) {
        message = Cp1251FromWide(std::wstring(description, SysStringLen(description)));
    }
    SysFreeString(description);
    info->Release();
    return message;
}

} // namespace

void ShowException(const char* message) noexcept {
    ShowException(message, PluginApplication().Handle);
}

void ShowException(const char* message, HWND owner) noexcept {
    try {
        // Like the runtime's default handler: the message ends with a full stop.
        std::string text = message ? message : "";
        if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
            text += '.';
        }
        const TApplicationState& application = PluginApplication();
        MessageBoxA(owner, text.c_str(), application.Title.c_str(), MB_OK | MB_ICONSTOP);
    } catch (...) {
        // Nothing more can be done for the operator here.
    }
}

std::string CurrentExceptionMessage() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

void CheckHostResult(HRESULT status) {
    if (SUCCEEDED(status)) {
        return;
    }
    std::string message = takeHostMessage();
    if (message.empty()) {
        message = OleErrorMessage(status);
    }
    throw EHostError(message, status);
}

HRESULT ReportToHost(const std::exception& error) noexcept {
    HRESULT status = E_FAIL;
    if (auto host = dynamic_cast<const EHostError*>(&error)) {
        status = host->status();
    }
    try {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&create))) {
            std::wstring text = WideFromCp1251(error.what());
            create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
    } catch (...) {
        // The status alone still tells the host that the handler failed.
    }
    return status;
}

} // namespace zvk
