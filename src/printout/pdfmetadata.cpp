#include "printout/pdfmetadata.h"

namespace sw::printout {

namespace {

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString AuthorEntries(const QStringList& authors)
{
    QString entries;
    for (const QString& author : authors)
        entries += QStringLiteral("     <rdf:li>") + Escaped(author) + QStringLiteral("</rdf:li>\n");
    return entries;
}

} // namespace

QByteArray PlanXmpMetadata(const QString& title, const QStringList& authors, const QString& creatorTool,
                           const QDateTime& written)
{
    const QString date = written.toUTC().toString(Qt::ISODate);
    // The packet begins with the byte order mark of UTF-8, as XMP asks.
    QString packet = QStringLiteral("<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                                    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                                    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                                    "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
                                    "   <pdf:Producer>");
    packet += Escaped(QStringLiteral("Qt " QT_VERSION_STR));
    packet += QStringLiteral("</pdf:Producer>\n"
                             "  </rdf:Description>\n"
                             "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                             "   <dc:format>application/pdf</dc:format>\n"
                             "   <dc:title>\n"
                             "    <rdf:Alt>\n"
                             "     <rdf:li xml:lang=\"x-default\">");
    packet += Escaped(title);
    packet += QStringLiteral("</rdf:li>\n"
                             "    </rdf:Alt>\n"
                             "   </dc:title>\n");
    if (!authors.isEmpty())
        packet += QStringLiteral("   <dc:creator>\n"
                                 "    <rdf:Seq>\n")
                  + AuthorEntries(authors)
                  + QStringLiteral("    </rdf:Seq>\n"
                                   "   </dc:creator>\n");
    packet += QStringLiteral("  </rdf:Description>\n"
                             "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
                             "   <xmp:CreatorTool>");
    packet += Escaped(creatorTool);
    packet += QStringLiteral("</xmp:CreatorTool>\n   <xmp:CreateDate>") + date
              + QStringLiteral("</xmp:CreateDate>\n   <xmp:ModifyDate>") + date
              + QStringLiteral("</xmp:ModifyDate>\n   <xmp:MetadataDate>") + date
              + QStringLiteral("</xmp:MetadataDate>\n"
                               "  </rdf:Description>\n"
                               " </rdf:RDF>\n"
                               "</x:xmpmeta>\n"
                               "<?xpacket end=\"w\"?>");
    return packet.toUtf8();
}

} // namespace sw::printout
