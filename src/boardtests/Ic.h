#pragma once
#include <QString>

// The IC communication test's rules: the chip's name per model, the two commands and the
// verdict on the length of the answer.
namespace ModuloIC {

// "HYDRA" when the model's port controller is Hydra, "TRISTAR" otherwise.
QString NomeCI(const QString& modelo);
// The caption prefix: NomeCI & " ".
QString PrefixoChip(const QString& modelo);
// The command of test button 1 or 2 ("" for any other index).
QString ComandoIC(int teste);

enum class Veredicto { Nenhum, Ok, Off };
// Fewer than 31 characters: not graded yet; from 151 on: communication OK; between: OFF.
Veredicto AvaliaIC(const QString& txtDados);

constexpr int MinimoAvaliacao = 31;
constexpr int MinimoComunicacao = 151;

} // namespace ModuloIC
