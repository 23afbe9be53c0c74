#pragma once
#include "shell/Ligacao.h"

#include <QObject>
#include <functional>
#include <memory>

// Runs `faz(true)` once the link is idle again (at once when it is), or `faz(false)` when it
// goes down first (at once when it is down). A family's next exchange waits here while the
// link is still busy with the rest of the previous answer: on the link's signal, not a timer.
inline void QuandoOciosa(Ligacao& ligacao, QObject* contexto, std::function<void(bool)> faz)
{
    if (ligacao.ociosa() || ligacao.estado() == EstadoLigacao::Desconectada) {
        faz(ligacao.ociosa());
        return;
    }
    auto conexao = std::make_shared<QMetaObject::Connection>();
    *conexao = QObject::connect(&ligacao, &Ligacao::estadoMudou, contexto,
                                [conexao, faz = std::move(faz)](EstadoLigacao estado) {
                                    if (estado != EstadoLigacao::Ociosa && estado != EstadoLigacao::Desconectada)
                                        return;
                                    QObject::disconnect(*conexao);
                                    faz(estado == EstadoLigacao::Ociosa);
                                });
}
