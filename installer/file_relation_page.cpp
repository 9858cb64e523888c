// The association page: the tree of media file types, its presets and the
// associations its states lead to.
#include "installer/file_associations.h"
#include "installer/rules/file_types.h"
#include "installer/rules/player_files.h"
#include "installer/uMain.h"

namespace vd {

void TFrm_MainysInstall::SelectRecommendedTypes() {}

void TFrm_MainysInstall::ApplyFileAssociations() {}

void TFrm_MainysInstall::Mode_FileRelationCloseUp(TObject*) {}

}  // namespace vd
