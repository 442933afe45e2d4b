#ifndef OSTREL_ENGINE_REFS_CEF_IMAGE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_IMAGE_REF_H_

// An engine image with representations at several scale factors (a downloaded image, a favicon).

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"

class ICefBinaryValue;

class ICefImage : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsEmpty() = 0;
  virtual bool IsSame(Ref<ICefImage> that) = 0;
  virtual bool AddBitmap(float scaleFactor, int pixelWidth, int pixelHeight,
                         cef_color_type_t colorType, cef_alpha_type_t alphaType,
                         const void* pixelData, size_t pixelDataSize) = 0;
  virtual bool AddPng(float scaleFactor, const void* pngData, size_t pngDataSize) = 0;
  virtual bool AddJpeg(float scaleFactor, const void* jpegData, size_t jpegDataSize) = 0;
  virtual size_t GetWidth() = 0;
  virtual size_t GetHeight() = 0;
  virtual bool HasRepresentation(float scaleFactor) = 0;
  virtual bool RemoveRepresentation(float scaleFactor) = 0;
  virtual bool GetRepresentationInfo(float scaleFactor, float& actualScaleFactor, int& pixelWidth,
                                     int& pixelHeight) = 0;
  virtual CefRefPtr<ICefBinaryValue> GetAsBitmap(float scaleFactor, cef_color_type_t colorType,
                                                 cef_alpha_type_t alphaType, int& pixelWidth,
                                                 int& pixelHeight) = 0;
  virtual CefRefPtr<ICefBinaryValue> GetAsPng(float scaleFactor, bool withTransparency,
                                              int& pixelWidth, int& pixelHeight) = 0;
  virtual CefRefPtr<ICefBinaryValue> GetAsJpeg(float scaleFactor, int quality, int& pixelWidth,
                                               int& pixelHeight) = 0;
};

class TCefImageRef final : public TCefRefBase<TCefImageRef, ICefImage, cef_image_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new empty image. Null before the library is loaded.
  static CefRefPtr<ICefImage> New();

  bool IsEmpty() override;
  bool IsSame(Ref<ICefImage> that) override;
  bool AddBitmap(float scaleFactor, int pixelWidth, int pixelHeight, cef_color_type_t colorType,
                 cef_alpha_type_t alphaType, const void* pixelData, size_t pixelDataSize) override;
  bool AddPng(float scaleFactor, const void* pngData, size_t pngDataSize) override;
  bool AddJpeg(float scaleFactor, const void* jpegData, size_t jpegDataSize) override;
  size_t GetWidth() override;
  size_t GetHeight() override;
  bool HasRepresentation(float scaleFactor) override;
  bool RemoveRepresentation(float scaleFactor) override;
  bool GetRepresentationInfo(float scaleFactor, float& actualScaleFactor, int& pixelWidth,
                             int& pixelHeight) override;
  CefRefPtr<ICefBinaryValue> GetAsBitmap(float scaleFactor, cef_color_type_t colorType,
                                         cef_alpha_type_t alphaType, int& pixelWidth,
                                         int& pixelHeight) override;
  CefRefPtr<ICefBinaryValue> GetAsPng(float scaleFactor, bool withTransparency, int& pixelWidth,
                                      int& pixelHeight) override;
  CefRefPtr<ICefBinaryValue> GetAsJpeg(float scaleFactor, int quality, int& pixelWidth,
                                       int& pixelHeight) override;

 private:
  ~TCefImageRef() override = default;
};

inline CefRefPtr<ICefImage> UnWrapEngine(cef_image_t* data) { return TCefImageRef::UnWrap(data); }

#endif  // OSTREL_ENGINE_REFS_CEF_IMAGE_REF_H_
