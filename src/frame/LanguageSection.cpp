#include "LanguageSection.h"

#include "Ini.h"

namespace frame {

LanguageSection::LanguageSection(const QString& section, const QString& file)
    : values_(ReadINISection(section, file)) {}

}  // namespace frame
