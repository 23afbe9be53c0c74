#pragma once
class GerenciadorJanelas;

// Registers every child window class with its name and the requester codes it answers to.
void registraJanelas(GerenciadorJanelas& janelas);
