#ifndef OSTREL_ENGINE_INTERFACES_CEF_STRING_VISITOR_H_
#define OSTREL_ENGINE_INTERFACES_CEF_STRING_VISITOR_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefStringVisitor : public virtual ICefBaseRefCounted {
 public:
  virtual void Visit(const ustring& /*str*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_STRING_VISITOR_H_
