#include "host/handler_failures.h"

#include "host/text_codec.h"

#include <oleauto.h>
#include <stdio.h>

namespace brevlog {

namespace {

std::string TakeErrorDescription() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info)
        return {};
    BSTR description = nullptr;
    std::string text;
    if (SUCCEEDED(info->GetDescription(&description)) && description)
        text = NarrowFrom(std::wstring(description, SysStringLen(description)), CP_UTF8);
    SysFreeString(description);
    info->Release();
    return text;
}

} // namespace

void HandlerFailures::Report(const char* event, HRESULT status) {
    std::string description = TakeErrorDescription();
    char head[96];
    snprintf(head, sizeof head, "%s handler failed (0x%08lX)", event, static_cast<unsigned long>(status));
    std::string message = description.empty() ? std::string(head) : std::string(head) + ": " + description;
    fprintf(stderr, "brevlog: %s\n", message.c_str());
    fflush(stderr);
    messages_.push_back(message);
    if (messages_.size() == 1 && notifyWindow_)
        PostMessageW(notifyWindow_, kFirstFailureMessage, 0, 0);
}

} // namespace brevlog
