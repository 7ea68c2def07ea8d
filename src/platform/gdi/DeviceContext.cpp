// The process-wide table of device contexts and the effective clip of one.
#include "platform/gdi/DeviceContext.h"

#include "platform/system/LastError.h"

namespace win {

void DeviceContext::UpdateClip() {
    m_clip = systemClip;
    if (state.hasClip) m_clip.Intersect(state.clip);
    m_clip.Offset(surfaceOrigin.x, surfaceOrigin.y);
    if (surface)
        m_clip.IntersectRect(RECT{0, 0, surface->Width(), surface->Height()});
    else
        m_clip.Clear();
}

HandleTable<DeviceContext>& DeviceContexts() {
    static HandleTable<DeviceContext> table(HandleTag::DeviceContext);
    return table;
}

HDC AddDeviceContext(std::unique_ptr<DeviceContext> dc) {
    return reinterpret_cast<HDC>(DeviceContexts().Add(std::move(dc)));
}

DeviceContext* FindDC(HDC hdc) {
    return DeviceContexts().Find(hdc);
}

DeviceContext* FindDCOrFail(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

} // namespace win
