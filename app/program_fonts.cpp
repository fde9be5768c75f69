#include "app/program_fonts.h"

#include "toolkit/fonts.h"

namespace app {

void LoadProgramFonts() {
  for (const ProgramFont& font : kProgramFonts) {
    tk::LoadFont(font.number, font.face, font.points, tk::kFontProofQuality);
  }
}

}  // namespace app
