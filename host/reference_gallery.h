#pragma once
// The gallery: finished charts an author can start from, each with its script.
#include <string>

#include "reference_model.h"
#include "reference_shots.h"

namespace pg::host {

// Draws every chart of the gallery into ref.gallery.
void DrawGallery(Reference& ref, ShotTaker& shots);
std::string GalleryHtml(const Reference& ref);

}  // namespace pg::host
