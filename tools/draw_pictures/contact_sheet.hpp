#pragma once

#include <filesystem>

namespace pictures {

// Reads every written picture back from the repository and lays them out,
// magnified and labelled, in docs/pictures.png.
void write_contact_sheet(const std::filesystem::path& root);

} // namespace pictures
