#include "update/win/DownloadStatus.h"

namespace orvane::win {

HRESULT STDMETHODCALLTYPE DownloadStatus::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IBindStatusCallback))) {
        *ppv = static_cast<IBindStatusCallback*>(this);
    } else if (IsEqualIID(riid, __uuidof(IHttpNegotiate))) {
        *ppv = static_cast<IHttpNegotiate*>(this);
    } else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DownloadStatus::OnProgress(ULONG progress, ULONG, ULONG, LPCWSTR) {
    return cancelled_.load() || progress > kMaxBytes ? E_ABORT : S_OK;
}

HRESULT STDMETHODCALLTYPE DownloadStatus::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                               LPWSTR* additionalHeaders) {
    if (additionalHeaders) {
        *additionalHeaders = nullptr;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DownloadStatus::OnResponse(DWORD code, LPCWSTR, LPCWSTR,
                                                     LPWSTR* additionalHeaders) {
    if (additionalHeaders) {
        *additionalHeaders = nullptr;
    }
    httpStatus_ = code;
    return S_OK;
}

}  // namespace orvane::win
