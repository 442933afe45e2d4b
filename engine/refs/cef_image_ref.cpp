#include "engine/refs/cef_image_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"

CefRefPtr<ICefImage> TCefImageRef::New() { return CallEntryPoint(cef_image_create); }

bool TCefImageRef::IsEmpty() { return CallEngine(Engine(), &cef_image_t::is_empty) != 0; }

bool TCefImageRef::IsSame(Ref<ICefImage> that) {
  return CallEngine(Engine(), &cef_image_t::is_same, that) != 0;
}

bool TCefImageRef::AddBitmap(float scaleFactor, int pixelWidth, int pixelHeight,
                             cef_color_type_t colorType, cef_alpha_type_t alphaType,
                             const void* pixelData, size_t pixelDataSize) {
  return CallEngine(Engine(), &cef_image_t::add_bitmap, scaleFactor, pixelWidth, pixelHeight,
                    colorType, alphaType, pixelData, pixelDataSize) != 0;
}

bool TCefImageRef::AddPng(float scaleFactor, const void* pngData, size_t pngDataSize) {
  return CallEngine(Engine(), &cef_image_t::add_png, scaleFactor, pngData, pngDataSize) != 0;
}

bool TCefImageRef::AddJpeg(float scaleFactor, const void* jpegData, size_t jpegDataSize) {
  return CallEngine(Engine(), &cef_image_t::add_jpeg, scaleFactor, jpegData, jpegDataSize) != 0;
}

size_t TCefImageRef::GetWidth() { return CallEngine(Engine(), &cef_image_t::get_width); }

size_t TCefImageRef::GetHeight() { return CallEngine(Engine(), &cef_image_t::get_height); }

bool TCefImageRef::HasRepresentation(float scaleFactor) {
  return CallEngine(Engine(), &cef_image_t::has_representation, scaleFactor) != 0;
}

bool TCefImageRef::RemoveRepresentation(float scaleFactor) {
  return CallEngine(Engine(), &cef_image_t::remove_representation, scaleFactor) != 0;
}

bool TCefImageRef::GetRepresentationInfo(float scaleFactor, float& actualScaleFactor,
                                         int& pixelWidth, int& pixelHeight) {
  return CallEngine(Engine(), &cef_image_t::get_representation_info, scaleFactor,
                    &actualScaleFactor, &pixelWidth, &pixelHeight) != 0;
}

CefRefPtr<ICefBinaryValue> TCefImageRef::GetAsBitmap(float scaleFactor, cef_color_type_t colorType,
                                                     cef_alpha_type_t alphaType, int& pixelWidth,
                                                     int& pixelHeight) {
  return CallEngine(Engine(), &cef_image_t::get_as_bitmap, scaleFactor, colorType, alphaType,
                    &pixelWidth, &pixelHeight);
}

CefRefPtr<ICefBinaryValue> TCefImageRef::GetAsPng(float scaleFactor, bool withTransparency,
                                                  int& pixelWidth, int& pixelHeight) {
  return CallEngine(Engine(), &cef_image_t::get_as_png, scaleFactor, withTransparency, &pixelWidth,
                    &pixelHeight);
}

CefRefPtr<ICefBinaryValue> TCefImageRef::GetAsJpeg(float scaleFactor, int quality, int& pixelWidth,
                                                   int& pixelHeight) {
  return CallEngine(Engine(), &cef_image_t::get_as_jpeg, scaleFactor, quality, &pixelWidth,
                    &pixelHeight);
}
