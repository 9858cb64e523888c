// ControlGallery.exe: one window that shows every control of the skinned
// control library in the wizard's stored looks and in the variants that
// matter, so that a developer can see the library at a glance.
//
// Each section lives in a file of its own (section_*.cpp) and registers
// itself with a static registrar; the gallery places the sections in rows,
// in the order of their `Order`, each under its title:
//
//   namespace {
//   void Build(vd::TForm& form, vd::TXPPanel& area) { ...controls on area... }
//   const bool registered = vd::gallery::RegisterSection({"Check box", 30, 360, 180, Build});
//   }
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "controls/xp_panel.h"
#include "toolkit/form.h"

namespace vd::gallery {

struct TSection {
    std::string Title;
    int Order = 0;             // lower first
    int Width = 0, Height = 0;  // size of the area the section fills
    // Creates the section's controls on `area` (owned by `form`).
    std::function<void(TForm& form, TXPPanel& area)> Build;
};

// Adds a section; returns true so that a file can register from a static
// initialiser.
bool RegisterSection(TSection section);
// Every registered section, sorted by Order then Title.
std::vector<TSection> Sections();

// Gives `area` the wizard page's skin picture (tiled), so that see-through
// controls show over a skinned parent as they do in the wizard.
void UseWizardPage(TXPPanel& area);

// A small note label on `parent` (plain text, transparent).
void AddNote(TForm& form, TWinControl& parent, int left, int top, const std::string& text);

}  // namespace vd::gallery
