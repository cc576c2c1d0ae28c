// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <objidl.h>
#include <shlwapi.h>

#include <gdiplus.h>

namespace delvarin::win32 {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

template <class T, GpStatus (*Free)(T*)>
struct GdiplusOwner {
    T* object = nullptr;
    ~GdiplusOwner() {
        if (object) Free(object);
    }
};
GpStatus FreeImage(GpBitmap* bitmap) {
    return GdipDisposeImage(bitmap);
}

}  // namespace

PictureSession::PictureSession() {
    GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    GdiplusStartup(&token_, &input, nullptr);
}

PictureSession::~PictureSession() {
    if (token_) GdiplusShutdown(token_);
}

Bitmap LoadPicture(HINSTANCE instance, const wchar_t* name, int width, int height,
                   COLORREF ground) {
    HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || width <= 0 || height <= 0) return {};
    IStream* stream =
        SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(instance, found));
    if (!stream) return {};
    GdiplusOwner<GpBitmap, FreeImage> source, target;
    const GpStatus read = GdipCreateBitmapFromStream(stream, &source.object);
    stream->Release();
    if (read != Ok) return {};

    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr,
                                  &target.object) != Ok)
        return {};
    GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(target.object, &graphics) != Ok) return {};
    const ARGB argb =
        0xFF000000u | (GetRValue(ground) << 16) | (GetGValue(ground) << 8) | GetBValue(ground);
    GdipGraphicsClear(graphics, argb);
    GdipSetInterpolationMode(graphics, InterpolationModeHighQualityBicubic);
    GdipSetPixelOffsetMode(graphics, PixelOffsetModeHighQuality);
    GdipDrawImageRectI(graphics, source.object, 0, 0, width, height);
    GdipDeleteGraphics(graphics);
    HBITMAP result = nullptr;
    if (GdipCreateHBITMAPFromBitmap(target.object, &result, argb) != Ok) return {};
    return Bitmap(result);
}

}  // namespace delvarin::win32
