#include <windows.h>

#include <wincodec.h>

#include <string>

#include "platform/canvas_win32.h"
#include "platform/deferred_dlls_win32.h"
#include "platform/picture.h"

namespace {

// Releases a COM object when it goes out of scope.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (object_) object_->Release();
    }
    Interface* operator->() const { return object_; }
    Interface** Out() { return &object_; }
    void** OutVoid() { return reinterpret_cast<void**>(&object_); }
    Interface* Get() const { return object_; }

private:
    Interface* object_ = nullptr;
};

// COM for the time of one encoding; the thread may have it already (the file dialogs start it).
class ComScope {
public:
    ComScope() : result_(DeferredCoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) DeferredCoUninitialize();
    }
    // Started here, or already running in this thread in either model.
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

bool MetafileBytes(HENHMETAFILE metafile, std::string& bytes) {
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0) return false;
    bytes.resize(size);
    return GetEnhMetaFileBits(metafile, size, reinterpret_cast<BYTE*>(bytes.data())) == size;
}

// The bytes written into a memory stream.
bool StreamBytes(IStream* stream, std::string& bytes) {
    STATSTG status = {};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || FAILED(DeferredGetHGlobalFromStream(stream, &memory)))
        return false;
    const void* data = GlobalLock(memory);
    if (!data) return false;
    bytes.assign(static_cast<const char*>(data), static_cast<std::size_t>(status.cbSize.QuadPart));
    GlobalUnlock(memory);
    return true;
}

// One frame of 24-bit pixels, top row first, into the encoder.
bool WriteFrame(IWICBitmapEncoder* encoder, const CanvasPictureTag& picture) {
    ComPointer<IWICBitmapFrameEncode> frame;
    ComPointer<IPropertyBag2> options;
    if (FAILED(encoder->CreateNewFrame(frame.Out(), options.Out())) || FAILED(frame->Initialize(options.Get())) ||
        FAILED(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height))))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    // The encoder may answer with another format it prefers; then these pixels do not fit it.
    if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return false;
    const UINT stride = static_cast<UINT>(picture.stride);
    auto* pixels = static_cast<BYTE*>(const_cast<void*>(picture.bits));
    return SUCCEEDED(frame->WritePixels(static_cast<UINT>(picture.height), stride, stride * picture.height, pixels)) &&
           SUCCEEDED(frame->Commit());
}

bool PngBytes(const CanvasPictureTag& picture, std::string& bytes) {
    ComScope com;
    if (!com.Usable() || !picture.bits) return false;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IStream> stream;
    ComPointer<IWICBitmapEncoder> encoder;
    if (FAILED(DeferredCoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, factory.OutVoid())) ||
        FAILED(DeferredCreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)))
        return false;
    return WriteFrame(encoder.Get(), picture) && SUCCEEDED(encoder->Commit()) && StreamBytes(stream.Get(), bytes);
}

}  // namespace

bool PictureFileBytes(CanvasPicture picture, std::string& bytes) {
    bytes.clear();
    if (!picture) return false;
    const bool encoded = picture->kind == CanvasSurfaceKind::Metafile ? MetafileBytes(picture->metafile, bytes)
                                                                      : PngBytes(*picture, bytes);
    if (!encoded) bytes.clear();
    return encoded;
}
