#include "export/ExportFileName.h"

namespace cw::exports {

QString exportBaseName(const model::ClaimValues& values) {
    QString name = values.value(u"edit6a") + u' ' + values.value(u"edit4c") +
                   QStringLiteral(" through ") + values.value(u"edit4d");
    name.replace(u'/', u'-');
    name.replace(u'\\', u'-');
    return name;
}

} // namespace cw::exports
