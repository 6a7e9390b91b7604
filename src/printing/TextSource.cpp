#include "printing/TextSource.h"

#include "printing/SampleClaimText.h"

namespace cw::printing {

QString fieldPrintText(int catalogueIndex, const TextSource& source) {
    if (source.isSample())
        return sampleText(catalogueIndex);
    if (model::FieldCatalogue::isOffForm(catalogueIndex))
        return QString();
    return (*source.m_claim)[catalogueIndex];
}

} // namespace cw::printing
