// The automation layer over COM: objects created by ProgID and driven through IDispatch, every
// member resolved by name (GetIDsOfNames) at the moment of the call.
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com_ref.h"
#include "platform/system.h"

namespace vantrel::platform {

namespace {

using win32::ComRef;
using win32::ComVariant;

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// Fills `out` (an initialised, empty VARIANT) from a core value.
void ToVariant(const Variant& in, VARIANT* out);
Variant FromVariant(const VARIANT* in);

class ComObject : public AutomationObject {
 public:
  explicit ComObject(ComRef<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

  IDispatch* dispatch() const { return dispatch_.get(); }

  std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                const std::vector<Variant>& args) override {
    std::wstring name = Widen(member);
    LPOLESTR names[] = {name.data()};
    DISPID dispid = 0;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid))) {
      return std::nullopt;
    }
    // IDispatch takes its arguments last first.
    std::vector<ComVariant> argv(args.size());
    for (size_t i = 0; i < args.size(); ++i) ToVariant(args[args.size() - 1 - i], argv[i].get());
    std::vector<VARIANT> raw;
    raw.reserve(argv.size());
    for (ComVariant& v : argv) raw.push_back(*v.get());  // borrowed; argv keeps ownership

    DISPPARAMS params = {raw.data(), nullptr, static_cast<UINT>(raw.size()), 0};
    DISPID putId = DISPID_PROPERTYPUT;
    WORD flags = DISPATCH_METHOD;
    if (kind == InvokeKind::kPropertyGet) flags = DISPATCH_PROPERTYGET;
    if (kind == InvokeKind::kPropertyPut) {
      flags = DISPATCH_PROPERTYPUT;
      params.rgdispidNamedArgs = &putId;
      params.cNamedArgs = 1;
    }
    ComVariant result;
    EXCEPINFO error = {};
    UINT badArg = 0;
    const HRESULT hr = dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                         result.get(), &error, &badArg);
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    // A failed call may still leave a result that claims a type: trust the HRESULT only.
    if (FAILED(hr)) return std::nullopt;
    return FromVariant(result.get());
  }

 private:
  ComRef<IDispatch> dispatch_;
};

void ToVariant(const Variant& in, VARIANT* out) {
  if (const auto* b = in.get<bool>()) {
    out->vt = VT_BOOL;
    out->boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const auto* i = in.get<int32_t>()) {
    out->vt = VT_I4;
    out->lVal = *i;
  } else if (const auto* d = in.get<double>()) {
    out->vt = VT_R8;
    out->dblVal = *d;
  } else if (const auto* s = in.get<std::u16string>()) {
    const BSTR bstr = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s->data()),
                                        static_cast<UINT>(s->size()));
    if (!bstr) return;
    out->vt = VT_BSTR;
    out->bstrVal = bstr;
  } else if (const auto* bytes = in.get<std::vector<uint8_t>>()) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes->size()));
    if (!array) return;
    void* data = nullptr;
    if (!bytes->empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
      memcpy(data, bytes->data(), bytes->size());
      SafeArrayUnaccessData(array);
    }
    out->vt = VT_ARRAY | VT_UI1;
    out->parray = array;
  } else if (const auto* object = in.get<ObjectRef>()) {
    const auto* com = dynamic_cast<const ComObject*>(object->get());
    if (!com) return;
    com->dispatch()->AddRef();
    out->vt = VT_DISPATCH;
    out->pdispVal = com->dispatch();
  }
}

Variant BytesOf(SAFEARRAY* array) {
  std::vector<uint8_t> bytes;
  LONG low = 0, high = -1;
  if (SafeArrayGetDim(array) == 1 && SUCCEEDED(SafeArrayGetLBound(array, 1, &low)) &&
      SUCCEEDED(SafeArrayGetUBound(array, 1, &high)) && high >= low) {
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
      const auto* p = static_cast<const uint8_t*>(data);
      bytes.assign(p, p + (high - low + 1));
      SafeArrayUnaccessData(array);
    }
  }
  return Variant::Bytes(std::move(bytes));
}

Variant FromVariant(const VARIANT* in) {
  switch (in->vt) {
    case VT_EMPTY:
    case VT_NULL:
      return Variant();
    case VT_BOOL:
      return Variant::Bool(in->boolVal != VARIANT_FALSE);
    case VT_I4:
      return Variant::Int(in->lVal);
    case VT_R8:
      return Variant::Double(in->dblVal);
    case VT_BSTR:
      return Variant::String(std::u16string(reinterpret_cast<const char16_t*>(in->bstrVal),
                                            SysStringLen(in->bstrVal)));
    case VT_DISPATCH:
      if (!in->pdispVal) return Variant();
      return Variant::Object(std::make_shared<ComObject>(ComRef<IDispatch>::Share(in->pdispVal)));
    case VT_UNKNOWN: {
      ComRef<IDispatch> dispatch;
      if (!in->punkVal || FAILED(in->punkVal->QueryInterface(
                              IID_IDispatch, reinterpret_cast<void**>(dispatch.Receive())))) {
        return Variant();
      }
      return Variant::Object(std::make_shared<ComObject>(std::move(dispatch)));
    }
    case VT_ARRAY | VT_UI1:
      return BytesOf(in->parray);
    default:
      break;
  }
  // Other numbers as a double, anything else as its string form.
  ComVariant converted;
  auto* source = const_cast<VARIANT*>(in);  // only read: the API predates const
  if (SUCCEEDED(VariantChangeType(converted.get(), source, 0, VT_R8))) {
    return Variant::Double(converted.get()->dblVal);
  }
  if (SUCCEEDED(VariantChangeType(converted.get(), source, 0, VT_BSTR))) {
    return FromVariant(converted.get());
  }
  return Variant();
}

// One CoInitialize on this thread, balanced when it succeeded.
class ComThreadInit : public AutomationLayer::ThreadInit {
 public:
  ComThreadInit() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComThreadInit() override {
    if (initialized_) CoUninitialize();
  }

 private:
  bool initialized_;
};

class ComAutomation : public AutomationLayer {
 public:
  std::unique_ptr<ThreadInit> InitializeThread() override {
    return std::make_unique<ComThreadInit>();
  }

  ObjectRef CreateObject(std::string_view progId) override {
    const std::wstring name = Widen(progId);
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(name.c_str(), &clsid))) return nullptr;
    ComRef<IDispatch> dispatch;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(dispatch.Receive())))) {
      return nullptr;
    }
    return std::make_shared<ComObject>(std::move(dispatch));
  }
};

}  // namespace

std::unique_ptr<AutomationLayer> MakeSystemAutomation() {
  return std::make_unique<ComAutomation>();
}

}  // namespace vantrel::platform
