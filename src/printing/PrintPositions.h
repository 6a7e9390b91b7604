#pragma once

// Where each field's text goes on this job's page: the table position bent by the page offsets
// and moved by the field's own offsets, in points.

#include "model/FieldCatalogue.h"
#include "printing/FieldOffsets.h"
#include "printing/PageOffsets.h"

#include <QPoint>

#include <array>

namespace cw::printing {

class PrintPositions {
public:
    // The field's anchor (x as its alignment says, y its centre line); only meaningful for
    // fields that are printed.
    QPoint at(int catalogueIndex) const {
        return m_points.at(static_cast<std::size_t>(catalogueIndex));
    }

private:
    friend PrintPositions computePrintPositions(const PageOffsets&, const FieldOffsets&);

    std::array<QPoint, model::kFieldCount> m_points{};
};

PrintPositions computePrintPositions(const PageOffsets& pageOffsets,
                                     const FieldOffsets& fieldOffsets);

} // namespace cw::printing
