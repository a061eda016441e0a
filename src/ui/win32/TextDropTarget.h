// An OLE drop target that takes plain text.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <functional>
#include <string>

namespace vellumet {

// Takes plain text dragged onto a window and hands it on when it is dropped.
// Where the window says it takes no text, the drag shows that nothing would
// happen, and a drop there does nothing.
class TextDropTarget final : public IDropTarget {
public:
    using TakesTextAt = std::function<bool(POINT screenPoint)>;
    using TextDropped = std::function<void(const std::string& text)>;

    // Holds one reference, which the creator releases.
    TextDropTarget(TakesTextAt takesTextAt, TextDropped textDropped);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~TextDropTarget() = default;
    DWORD EffectAt(POINTL point) const;

    TakesTextAt takesTextAt;
    TextDropped textDropped;
    ULONG references = 1;
    bool draggingText = false;
};

} // namespace vellumet
