#include "engine/refs/cef_download_item_ref.h"

#include "engine/core/cef_ref_call.h"

bool TCefDownLoadItemRef::IsValid() {
  return CallEngine(Engine(), &cef_download_item_t::is_valid) != 0;
}

bool TCefDownLoadItemRef::IsInProgress() {
  return CallEngine(Engine(), &cef_download_item_t::is_in_progress) != 0;
}

bool TCefDownLoadItemRef::IsComplete() {
  return CallEngine(Engine(), &cef_download_item_t::is_complete) != 0;
}

bool TCefDownLoadItemRef::IsCanceled() {
  return CallEngine(Engine(), &cef_download_item_t::is_canceled) != 0;
}

int64 TCefDownLoadItemRef::GetCurrentSpeed() {
  return CallEngine(Engine(), &cef_download_item_t::get_current_speed);
}

int TCefDownLoadItemRef::GetPercentComplete() {
  return CallEngine(Engine(), &cef_download_item_t::get_percent_complete);
}

int64 TCefDownLoadItemRef::GetTotalBytes() {
  return CallEngine(Engine(), &cef_download_item_t::get_total_bytes);
}

int64 TCefDownLoadItemRef::GetReceivedBytes() {
  return CallEngine(Engine(), &cef_download_item_t::get_received_bytes);
}

cef_time_t TCefDownLoadItemRef::GetStartTime() {
  return CallEngine(Engine(), &cef_download_item_t::get_start_time);
}

cef_time_t TCefDownLoadItemRef::GetEndTime() {
  return CallEngine(Engine(), &cef_download_item_t::get_end_time);
}

ustring TCefDownLoadItemRef::GetFullPath() {
  return CallEngine(Engine(), &cef_download_item_t::get_full_path);
}

uint32 TCefDownLoadItemRef::GetId() { return CallEngine(Engine(), &cef_download_item_t::get_id); }

ustring TCefDownLoadItemRef::GetUrl() {
  return CallEngine(Engine(), &cef_download_item_t::get_url);
}

ustring TCefDownLoadItemRef::GetOriginalUrl() {
  return CallEngine(Engine(), &cef_download_item_t::get_original_url);
}

ustring TCefDownLoadItemRef::GetSuggestedFileName() {
  return CallEngine(Engine(), &cef_download_item_t::get_suggested_file_name);
}

ustring TCefDownLoadItemRef::GetContentDisposition() {
  return CallEngine(Engine(), &cef_download_item_t::get_content_disposition);
}

ustring TCefDownLoadItemRef::GetMimeType() {
  return CallEngine(Engine(), &cef_download_item_t::get_mime_type);
}
