#pragma once

#include <windows.h>
#include <urlmon.h>

#include <atomic>

namespace orvane::win {

// The binding callback of one version-file download: it learns the server's HTTP status (the
// download itself succeeds on an error page) and stops a download that is no longer wanted or
// grows far beyond any version file. Lives on the worker's stack for one synchronous download.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM interfaces are released, not deleted
#endif
class DownloadStatus final : public IBindStatusCallback, public IHttpNegotiate {
  public:
    static constexpr ULONG kMaxBytes = 1024 * 1024;

    explicit DownloadStatus(const std::atomic<bool>& cancelled) : cancelled_(cancelled) {}

    // 0 while the server has not answered over HTTP (other schemes never do).
    DWORD HttpStatus() const { return httpStatus_; }
    bool ServerRefused() const {
        return httpStatus_ != 0 && (httpStatus_ < 200 || httpStatus_ > 299);
    }

    // IUnknown: the object is owned by its stack frame, the counts only keep COM's rules.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }

    // IBindStatusCallback
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG, ULONG, LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    // IHttpNegotiate
    HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                   LPWSTR* additionalHeaders) override;
    HRESULT STDMETHODCALLTYPE OnResponse(DWORD code, LPCWSTR, LPCWSTR,
                                         LPWSTR* additionalHeaders) override;

  private:
    const std::atomic<bool>& cancelled_;
    std::atomic<ULONG> refs_{1};
    std::atomic<DWORD> httpStatus_{0};
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace orvane::win
