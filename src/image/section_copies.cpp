#include "image/section_copies.h"

namespace kvrm {

void SectionCopies::SetVariant(ChipVariant v) {
  variant = v;
  variant_layout = LayoutFor(v);
  patch_code.assign(static_cast<size_t>(variant_layout.patch_code_length), 0xFF);
  fire_block.assign(static_cast<size_t>(variant_layout.fire_block_length), 0xFF);
  for (auto& row : fire_records) {
    row.assign(static_cast<size_t>(variant_layout.fire_record_length), 0x00);
  }
  for (auto& name : fire_names) name.fill(0x00);
}

}  // namespace kvrm
