// Resource ids of ControlGallery.exe beyond the wizard's skin (whose ids
// come from res/resource_ids.h).
#pragma once

// The four slides (RT_RCDATA, JPEG files).
#define VD_GALLERY_SLIDE1 101
#define VD_GALLERY_SLIDE2 102
#define VD_GALLERY_SLIDE3 103
#define VD_GALLERY_SLIDE4 104
