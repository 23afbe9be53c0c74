#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets (fuzz/sementes/<target>/) from the bench board's
answers, as the console holds them (line feeds expanded to CR LF). Each seed is one parameter
byte (see fuzz/Alvo.h and the target) followed by the answer.

    fuzz/gera_sementes.py build/app/vexador-simulador build/app/Config.qzd
"""
import os
import select
import sqlite3
import subprocess
import sys
import time
import tty

PROMPT = b"] :-) "
MODELOS = ["IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"]


class Bancada:
    def __init__(self, simulador, banco, *opcoes):
        self.p = subprocess.Popen([simulador, "--rapido", "--banco", banco, *opcoes],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        caminho = self.p.stdout.readline().decode().strip()
        self.fd = os.open(caminho, os.O_RDWR | os.O_NOCTTY)
        tty.setraw(self.fd)

    def pergunta(self, comando, espera=3.0):
        os.write(self.fd, comando.encode("latin-1") + b"\r")
        dados = b""
        fim = time.time() + espera
        while time.time() < fim and not dados.endswith(PROMPT):
            pronto, _, _ = select.select([self.fd], [], [], 0.1)
            if pronto:
                dados += os.read(self.fd, 65536)
        # The console expands every line feed to CR LF.
        return dados.replace(b"\n", b"\r\n")

    def fecha(self):
        os.close(self.fd)
        self.p.terminate()
        self.p.wait()


def grava(pasta, nome, parametro, texto):
    os.makedirs(pasta, exist_ok=True)
    nome = "".join(c if c.isalnum() or c in "-_." else "_" for c in nome)
    with open(os.path.join(pasta, nome), "wb") as f:
        f.write(bytes([parametro]) + texto)


def main():
    simulador, banco = sys.argv[1], sys.argv[2]
    raiz = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sementes")
    fragmentos = [r[0] for r in sqlite3.connect(banco).execute('SELECT "String" FROM M ORDER BY 1 DESC')]

    for i, modelo in enumerate(MODELOS):
        b = Bancada(simulador, banco, "--modelo", modelo)
        try:
            pmu = b.pergunta("pmuadc --read all")
            tigris = b.pergunta("pmuadc --sel tigris --read all")
            chestnut = b.pergunta("pmuadc --sel chestnut --read all")
            m = modelo.replace(" ", "")
            # adc: variant, decimals, model and language from the byte; vary them over the models.
            grava(f"{raiz}/adc", f"{m}-pmuadc", i * 29 % 256 & 0x7F, pmu)
            grava(f"{raiz}/chips", f"{m}-pmuadc", i * 3, pmu)
            grava(f"{raiz}/chips", f"{m}-tigris", i * 3 + 1, tigris)
            if modelo != "IP X":
                grava(f"{raiz}/chips", f"{m}-chestnut", i * 3 + 2, chestnut)
            grava(f"{raiz}/modelo", f"{m}-rmd", 0, b.pergunta("syscfg print RMd#"))
            grava(f"{raiz}/buck", f"{m}-buck", i, b.pergunta("buck"))
            grava(f"{raiz}/buck", f"{m}-buckcheck", i, b.pergunta("buckcheck 5"))
            if modelo in ("IP 7", "IP 8"):
                grava(f"{raiz}/textos", f"{m}-pmuadc", 3, pmu)
                grava(f"{raiz}/textos", f"{m}-chestnut", 4, chestnut)
                grava(f"{raiz}/relatorio", f"{m}-pmuadc-vcore", 0 + 9 * i, pmu)
                grava(f"{raiz}/relatorio", f"{m}-pmuadc-buck", 2 + 9 * i + 1, pmu)
            if modelo in ("IP 6", "IP 7", "IP X"):
                testes = ["nandsize", "nanduid", "nand --getinfo", "device  --key GasGauge -p",
                          "battery --properties", "baseband --on", "bluetooth --on", "wifi --on",
                          "gps --on", "stockholm --on", "tristar -p", "testmemory"]
                testes += [f"i2c -s {n}" for n in range(8)]
                for c in testes:
                    grava(f"{raiz}/testes", f"{m}-{c}", 3 * i, b.pergunta(c))
                for c in ["help", "tristar -p", "device  --key GasGauge -p", "bl -r", "Command x"]:
                    vivo = b.pergunta(c)
                    gravado = vivo
                    for f in fragmentos:
                        gravado = gravado.replace(f.encode("latin-1", "replace"), "xxxxx\u00AE".encode("latin-1"))
                    lista = "\n".join(fragmentos[:40]).encode("latin-1", "replace")
                    grava(f"{raiz}/console", f"{m}-{c}", i, vivo + b"\0" + gravado + b"\0" + lista)
        finally:
            b.fecha()

    # The model query's faults.
    for nome, opcoes in [("sem-driver", ["--sem-driver"]), ("desconhecido", ["--rmd", "A9999"]),
                         ("recusa", ["--recusa-primeira"])]:
        b = Bancada(simulador, banco, *opcoes)
        try:
            grava(f"{raiz}/modelo", nome, 0, b.pergunta("syscfg print RMd#"))
        finally:
            b.fecha()
    # Faulty boards for the rails: a timeout, a missing channel, a deviation.
    b = Bancada(simulador, banco, "--modelo", "IP 7", "--timeout", "3", "--sem-canal", "40",
                "--desvio", "1=12", "--timeout", "ibuck3:")
    try:
        pmu = b.pergunta("pmuadc --read all")
        grava(f"{raiz}/adc", "IP7-falhas", 0x15, pmu)
        grava(f"{raiz}/relatorio", "IP7-falhas", 0x0B, pmu)
        grava(f"{raiz}/buck", "IP7-buck-desvio", 2, b.pergunta("buckcheck 10"))
    finally:
        b.fecha()


if __name__ == "__main__":
    main()
