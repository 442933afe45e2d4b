// The browser control's preferences and proxy: the setters of the main thread, and what the
// engine's threads do with them (writing them into a browser's request context, the custom
// header and referrer of each request, proxy challenges, saving the engine's preferences).

#include <string>
#include <utility>

#include "base/code_page.h"
#include "base/files.h"
#include "browser/chromium.h"
#include "engine/core/cef_string_collections.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_value_ref.h"
#include "engine/routing/custom_callbacks.h"
#include "engine/support/engine_utilities.h"
#include "engine/support/text_functions.h"

namespace {

wchar_t UserDecimalSeparator() {
  wchar_t separator[4] = L".";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
  return separator[0] != L'\0' ? separator[0] : L'.';
}

// Lines ended by CR LF in the system's ANSI code page; false when the file could not be written.
bool WriteLines(const ustring& fileName, const std::vector<ustring>& lines) {
  std::string bytes;
  for (const ustring& line : lines) bytes += ToAnsi(line) + "\r\n";
  return WriteWholeFile(fileName, bytes) == ERROR_SUCCESS;
}

}  // namespace

// ---- Setters ----

TChromiumPreferences TChromium::Preferences() const {
  const std::lock_guard<std::mutex> hold(FPreferencesLock);
  return FPreferences;
}

void TChromium::SetMaxConnectionsPerProxy(int32_t value) {
  if (value >= 7 && value <= 99)
    SetPreference(&TChromiumPreferences::MaxConnectionsPerProxy, value);
}

void TChromium::SetCustomHeaderName(const ustring& value) {
  const std::lock_guard<std::mutex> hold(FPreferencesLock);
  FPreferences.CustomHeaderName = value;
}

void TChromium::SetCustomHeaderValue(const ustring& value) {
  const std::lock_guard<std::mutex> hold(FPreferencesLock);
  FPreferences.CustomHeaderValue = value;
}

// ---- Tasks ----

void TChromium::UpdatePreferences() {
  if (Initialized()) PostEngineTask(TID_UI, MakeRefCounted<TCefUpdatePrefsTask>(TaskEvents()));
}

void TChromium::SavePreferences(const ustring& aFileName) {
  if (!Initialized() || aFileName.empty()) return;
  // Each save writes its own file, also when the next one is asked for before it ran.
  const std::lock_guard<std::mutex> hold(FPreferencesLock);
  FPrefsFileName = aFileName;
  FPendingPrefsFiles.push_back(aFileName);
  if (!PostEngineTask(TID_UI, MakeRefCounted<TCefSavePrefsTask>(TaskEvents()))) {
    FPendingPrefsFiles.pop_back();
  }
}

bool TChromium::ExecuteTaskOnCefThread(cef_thread_id_t aCefThreadId, uint32_t aTaskID,
                                       int64_t aDelayMs) {
  if (!Initialized()) return false;
  const CefRefPtr<ICefTask> task = MakeRefCounted<TCefGenericTask>(TaskEvents(), aTaskID);
  return aDelayMs != 0 ? PostEngineDelayedTask(aCefThreadId, task, aDelayMs)
                       : PostEngineTask(aCefThreadId, task);
}

void TChromium::RunUpdatePreferencesTask() {
  if (!Initialized()) return;
  if (const CefRefPtr<ICefBrowser> browser = Browser()) ApplyPreferences(browser);
}

// ---- Writing preferences (engine UI thread) ----

void TChromium::ApplyPreferences(Ref<ICefBrowser> browser) {
  FUpdatePreferences = false;
  const TChromiumPreferences prefs = Preferences();
  UpdateProxyPrefs(browser);
  UpdatePreference(browser, L"enable_do_not_track", prefs.DoNotTrack);
  UpdatePreference(browser, L"enable_referrers", prefs.SendReferrer);
  UpdatePreference(browser, L"enable_a_ping", prefs.HyperlinkAuditing);
  UpdatePreference(browser, L"plugins.run_all_flash_in_allow_mode", prefs.RunAllFlashInAllowMode);
  UpdatePreference(browser, L"plugins.allow_outdated", prefs.AllowOutdatedPlugins);
  UpdatePreference(browser, L"plugins.always_authorize", prefs.AlwaysAuthorizePlugins);
  UpdatePreference(browser, L"browser.enable_spellchecking", prefs.SpellChecking);
  UpdateStringListPref(browser, L"spellcheck.dictionaries", prefs.SpellCheckerDicts);
  UpdatePreference(browser, L"settings.force_google_safesearch", prefs.SafeSearch);
  UpdatePreference(browser, L"settings.force_youtube_restrict", prefs.YouTubeRestrict);
  UpdatePreference(browser, L"printing.enabled", prefs.PrintingEnabled);
  if (prefs.MaxConnectionsPerProxy != 32) {
    UpdatePreference(browser, L"net.max_connections_per_proxy", prefs.MaxConnectionsPerProxy);
  }
  if (prefs.RunAllFlashInAllowMode) {
    UpdatePreference(browser, L"profile.default_content_setting_values.plugins", int32_t{1});
  }
  const ustring policy = WebRTCPolicyName(prefs.WebRTCIPHandlingPolicy);
  if (!policy.empty()) UpdatePreference(browser, L"webrtc.ip_handling_policy", policy);
  if (prefs.WebRTCMultipleRoutes != STATE_DEFAULT) {
    UpdatePreference(browser, L"webrtc.multiple_routes_enabled",
                     prefs.WebRTCMultipleRoutes == STATE_ENABLED);
  }
  if (prefs.WebRTCNonproxiedUDP != STATE_DEFAULT) {
    UpdatePreference(browser, L"webrtc.nonproxied_udp_enabled",
                     prefs.WebRTCNonproxiedUDP == STATE_ENABLED);
  }
}

CefRefPtr<ICefRequestContext> TChromium::HostRequestContext(Ref<ICefBrowser> browser) const {
  const CefRefPtr<ICefBrowserHost> host = browser ? browser->GetHost() : nullptr;
  return host ? host->GetRequestContext() : nullptr;
}

namespace {

// Sets the preference `name` of the browser's request context to the value `fill` makes; false,
// silently, when the engine does not let the program set it or refuses the value.
template <class Fill>
bool WritePreference(Ref<ICefRequestContext> context, const wchar_t* routine, const ustring& name,
                     Fill&& fill) {
  return GuardRoutine(routine, false, [&] {
    if (!context || !context->CanSetPreference(name)) return false;
    const CefRefPtr<ICefValue> value = TCefValueRef::New();
    if (!value || !fill(*value)) return false;
    ustring error;
    return context->SetPreference(name, value, error);
  });
}

constexpr const wchar_t* kUpdatePreference = L"TChromium.UpdatePreference";

}  // namespace

bool TChromium::UpdatePreference(Ref<ICefBrowser> browser, const ustring& name, bool value) {
  return WritePreference(HostRequestContext(browser), kUpdatePreference, name,
                         [&](ICefValue& v) { return v.SetBool(value); });
}

bool TChromium::UpdatePreference(Ref<ICefBrowser> browser, const ustring& name, int32_t value) {
  return WritePreference(HostRequestContext(browser), kUpdatePreference, name,
                         [&](ICefValue& v) { return v.SetInt(value); });
}

bool TChromium::UpdatePreference(Ref<ICefBrowser> browser, const ustring& name,
                                 const ustring& value) {
  return WritePreference(HostRequestContext(browser), kUpdatePreference, name,
                         [&](ICefValue& v) { return v.SetString(value); });
}

bool TChromium::UpdatePreference(Ref<ICefBrowser> browser, const ustring& name,
                                 const std::vector<ustring>& value) {
  if (value.empty()) return false;
  return WritePreference(HostRequestContext(browser), kUpdatePreference, name, [&](ICefValue& v) {
    const CefRefPtr<ICefListValue> list = TCefListValueRef::New();
    if (!list || !list->SetSize(value.size())) return false;
    for (size_t i = 0; i < value.size(); ++i) list->SetString(i, value[i]);
    return v.SetList(list);
  });
}

bool TChromium::UpdateStringListPref(Ref<ICefBrowser> browser, const ustring& name,
                                     const ustring& commaText) {
  if (name.empty() || commaText.empty()) return false;
  return UpdatePreference(browser, name, SplitDelimitedList(commaText));
}

bool TChromium::UpdateProxyPrefs(Ref<ICefBrowser> browser) {
  const TChromiumPreferences prefs = Preferences();
  return WritePreference(
      HostRequestContext(browser), L"TChromium.UpdateProxyPrefs", L"proxy", [&](ICefValue& v) {
        const CefRefPtr<ICefDictionaryValue> proxy = TCefDictionaryValueRef::New();
        const CefRefPtr<ICefValue> mode = TCefValueRef::New();
        if (!proxy || !mode) return false;
        mode->SetString(ProxyModeName(prefs.ProxyType));
        proxy->SetValue(L"mode", mode);
        if (prefs.ProxyType == 3) {
          proxy->SetString(L"server",
                           ProxyServerText(prefs.ProxyScheme, prefs.ProxyServer, prefs.ProxyPort));
          if (!prefs.ProxyByPassList.empty()) {
            proxy->SetString(L"bypass_list", prefs.ProxyByPassList);
          }
        } else if (prefs.ProxyType == 4) {
          proxy->SetString(L"pac_url", prefs.ProxyScriptURL);
        }
        return v.SetDictionary(proxy);
      });
}

// ---- Requests (engine threads) ----

void TChromium::PrepareRequest(Ref<ICefRequest> request) {
  if (!request) return;
  const TChromiumPreferences prefs = Preferences();
  if (prefs.AddCustomHeader()) {
    const CefRefPtr<ICefStringMultimap> headers = MakeRefCounted<TCefStringMultimapOwn>();
    request->GetHeaderMap(headers);
    headers->AppendPair(prefs.CustomHeaderName, prefs.CustomHeaderValue);
    request->SetHeaderMap(headers);
  }
  if (!prefs.SendReferrer) request->SetReferrer(L"", REFERRER_POLICY_NO_REFERRER);
}

bool TChromium::AnswerProxyChallenge(Ref<ICefAuthCallback> callback) {
  const TChromiumPreferences prefs = Preferences();
  if (prefs.ProxyType != 3 || !callback) return false;
  callback->Cont(prefs.ProxyUsername, prefs.ProxyPassword);
  return true;
}

// ---- Saving the engine's preferences (engine UI thread) ----

ustring TChromium::NextPrefsFileName() {
  const std::lock_guard<std::mutex> hold(FPreferencesLock);
  if (FPendingPrefsFiles.empty()) return FPrefsFileName;
  ustring fileName = std::move(FPendingPrefsFiles.front());
  FPendingPrefsFiles.pop_front();
  return fileName;
}

bool TChromium::Internal_SavePreferences() {
  const ustring fileName = NextPrefsFileName();
  const bool saved = GuardRoutine(L"TChromium.Internal_SavePreferences", false, [&] {
    if (!Initialized()) return false;
    const CefRefPtr<ICefRequestContext> context = HostRequestContext(Browser());
    if (!context) return false;
    std::vector<ustring> lines;
    HandleDictionary(context->GetAllPreferences(true), lines, L"");
    return WriteLines(fileName, lines);
  });
  PostCompMessage(kChromiumPrefsAvailable, saved ? 1 : 0, 0);
  return saved;
}

namespace {

ustring ValueText(TChromium& control, Ref<ICefValue> value);

// "(count){item,...}"; a dictionary or list inside is one item, as comma text.
ustring ListValueText(TChromium& control, Ref<ICefListValue> list) {
  std::vector<ustring> items;
  for (size_t i = 0, count = list ? list->GetSize() : 0; i < count; ++i) {
    const CefRefPtr<ICefValue> item = list->GetValue(i);
    ustring text = ValueText(control, item);
    if (item && item->GetType() == VTYPE_LIST) text = CommaText({text});
    items.push_back(std::move(text));
  }
  return ListText(items);
}

ustring ValueText(TChromium& control, Ref<ICefValue> value) {
  switch (value ? value->GetType() : VTYPE_INVALID) {
    case VTYPE_NULL:
      return L"-null-";
    case VTYPE_BOOL:
      return BooleanText(value->GetBool());
    case VTYPE_INT:
      return std::to_wstring(value->GetInt());
    case VTYPE_DOUBLE:
      return DoubleText(value->GetDouble(), UserDecimalSeparator());
    case VTYPE_STRING:
      return value->GetString();
    case VTYPE_BINARY:
      return L"-binary-";
    case VTYPE_DICTIONARY: {
      std::vector<ustring> lines;
      control.HandleDictionary(value->GetDictionary(), lines, L"");
      return CommaText(lines);
    }
    case VTYPE_LIST:
      return ListValueText(control, value->GetList());
    default:
      return L"-invalid-";
  }
}

}  // namespace

void TChromium::HandleDictionary(Ref<ICefDictionaryValue> dictionary, std::vector<ustring>& lines,
                                 const ustring& prefix) {
  GuardRoutine(L"TChromium.HandleDictionary", [&] {
    std::vector<ustring> keys;
    if (!dictionary || !dictionary->GetKeys(keys)) return;
    for (const ustring& key : keys) {
      const ustring name = PreferenceName(prefix, key);
      const CefRefPtr<ICefValue> value = dictionary->GetValue(key);
      if (value && value->GetType() == VTYPE_DICTIONARY) {
        HandleDictionary(value->GetDictionary(), lines, name);
      } else {
        lines.push_back(PreferenceLine(name, ValueText(*this, value)));
      }
    }
  });
}
