#include "uianotification.h"

#include <QWidget>

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

namespace {

// As in UIAutomationCoreApi.h of Windows 10's SDK, which MinGW-w64 lacks.
enum Kind { NotificationKind_ActionCompleted = 2 };
enum Processing { NotificationProcessing_ImportantMostRecent = 1 };

using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR, BSTR);
using ClientsAreListening = BOOL(WINAPI *)();

struct UiAutomation {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
    ClientsAreListening listening = nullptr;

    UiAutomation()
    {
        HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
        if (!core)
            return;
        hostProvider = reinterpret_cast<HostProviderFromHwnd>(
            reinterpret_cast<void *>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
        raise = reinterpret_cast<RaiseNotificationEvent>(
            reinterpret_cast<void *>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        listening = reinterpret_cast<ClientsAreListening>(
            reinterpret_cast<void *>(GetProcAddress(core, "UiaClientsAreListening")));
    }
};

} // namespace

void UiaNotificationChannel::announce(QWidget *announcer, const QString &text)
{
    static const UiAutomation uia;
    QWidget *window = announcer ? announcer->window() : nullptr;
    if (!uia.hostProvider || !uia.raise || !window || !window->isVisible() ||
        (uia.listening && !uia.listening()))
        return;
    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(uia.hostProvider(reinterpret_cast<HWND>(window->winId()), &provider)) || !provider)
        return;
    BSTR said =
        SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()), UINT(text.size()));
    BSTR activity = SysAllocString(L"Zenuvio.hint");
    // The newest hint replaces one still being read: each act has one answer.
    uia.raise(provider, NotificationKind_ActionCompleted,
              NotificationProcessing_ImportantMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
}
