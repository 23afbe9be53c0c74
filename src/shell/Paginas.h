#pragma once
#include <QString>

// The numbered online pages: 1 the product page, 3 the video that explains how to move the box
// to a lower port, 4 contact, 5 help videos, 6 to 8 the remote-support tools.
// Their addresses are lines "number = address" of the settings file ArquivoEnderecos in the
// application folder, which an installer fills; a page without an address is not offered.
inline const QString ArquivoEnderecos = QStringLiteral("enderecos.ini");

// The addresses of a settings file's text: "" for a page it does not give. Lines starting
// with '#' or ';' and section headers are skipped; blanks around number and address go.
QString EnderecoNoTexto(const QString& texto, int numero);
// The address of a page as the settings file of application folder `pasta` gives it ("" when
// none, or when there is no folder).
QString EnderecoPagina(const QString& pasta, int numero);
bool PaginaConfigurada(const QString& pasta, int numero);
// Opens a configured page in the browser; errors are ignored.
void AbrePagina(const QString& pasta, int numero);
