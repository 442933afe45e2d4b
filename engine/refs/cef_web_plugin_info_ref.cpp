#include "engine/refs/cef_web_plugin_info_ref.h"

#include "engine/core/cef_ref_call.h"

ustring TCefWebPluginInfoRef::GetName() {
  return CallEngine(Engine(), &cef_web_plugin_info_t::get_name);
}

ustring TCefWebPluginInfoRef::GetPath() {
  return CallEngine(Engine(), &cef_web_plugin_info_t::get_path);
}

ustring TCefWebPluginInfoRef::GetVersion() {
  return CallEngine(Engine(), &cef_web_plugin_info_t::get_version);
}

ustring TCefWebPluginInfoRef::GetDescription() {
  return CallEngine(Engine(), &cef_web_plugin_info_t::get_description);
}
