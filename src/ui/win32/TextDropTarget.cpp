// The OLE drop target of TextDropTarget.h: what it takes, and the text of a drop.
#include "TextDropTarget.h"

#include "platform/win32/WideText.h"

#include <utility>

namespace vellumet {

namespace {

FORMATETC UnicodeTextFormat() { return {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool HoldsText(IDataObject* data)
{
    FORMATETC format = UnicodeTextFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

std::string TextOf(IDataObject* data)
{
    FORMATETC format = UnicodeTextFormat();
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium)))
        return {};
    std::string text = Utf8TextIn(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return text;
}

} // namespace

TextDropTarget::TextDropTarget(TakesTextAt takesTextAt, TextDropped textDropped)
    : takesTextAt(std::move(takesTextAt))
    , textDropped(std::move(textDropped))
{}

HRESULT TextDropTarget::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TextDropTarget::AddRef() { return ++references; }

ULONG TextDropTarget::Release()
{
    const ULONG left = --references;
    if (left == 0)
        delete this;
    return left;
}

DWORD TextDropTarget::EffectAt(POINTL point) const
{
    return draggingText && takesTextAt({point.x, point.y}) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

HRESULT TextDropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect)
{
    draggingText = HoldsText(data);
    *effect = EffectAt(point);
    return S_OK;
}

HRESULT TextDropTarget::DragOver(DWORD, POINTL point, DWORD* effect)
{
    *effect = EffectAt(point);
    return S_OK;
}

HRESULT TextDropTarget::DragLeave()
{
    draggingText = false;
    return S_OK;
}

HRESULT TextDropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect)
{
    draggingText = HoldsText(data);
    *effect = EffectAt(point);
    draggingText = false;
    if (*effect != DROPEFFECT_NONE)
        textDropped(TextOf(data));
    return S_OK;
}

} // namespace vellumet
