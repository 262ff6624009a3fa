#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target: small valid files of each
format the target reads, laid out byte by byte as the readers' test fixtures
lay them out. Pictures that need an encoder of their own (JPEG, GIF, the
document file) are written by cjpeg and by kaptori-cli convert.

Usage: generer.py KAPTORI_CLI   (from the root of the source tree)
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

ICI = os.path.dirname(os.path.abspath(__file__))
CLI = sys.argv[1] if len(sys.argv) > 1 else "build/asan/src/app/cli/kaptori-cli"


def ecrire(cible, nom, octets):
    dossier = os.path.join(ICI, cible)
    os.makedirs(dossier, exist_ok=True)
    with open(os.path.join(dossier, nom), "wb") as f:
        f.write(octets)


def motif(w, h, canaux, maxi=255):
    lignes = []
    for y in range(h):
        ligne = []
        for x in range(w):
            for c in range(canaux):
                ligne.append(((x * 37 + y * 11 + c * 80) % (maxi + 1)))
        lignes.append(ligne)
    return lignes


def png(w, h, type_couleur, profondeur, lignes, palette=None, entrelace=0):
    def bloc(nom, donnees):
        return struct.pack(">I", len(donnees)) + nom + donnees + struct.pack(">I", zlib.crc32(nom + donnees))

    brut = b""
    for ligne in lignes:
        if profondeur == 16:
            brut += b"\0" + b"".join(struct.pack(">H", v) for v in ligne)
        else:
            brut += b"\0" + bytes(ligne)
    sortie = b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", struct.pack(">IIBBBBB", w, h, profondeur, type_couleur, 0, 0, entrelace))
    if palette:
        sortie += bloc(b"PLTE", bytes(palette))
        sortie += bloc(b"tRNS", bytes([255, 128]))
    return sortie + bloc(b"IDAT", zlib.compress(brut)) + bloc(b"IEND", b"")


def ppm(w, h):
    return b"P6\n%d %d\n255\n" % (w, h) + bytes(v for l in motif(w, h, 3) for v in l)


def bmp(w, h):
    ligne = (w * 3 + 3) & ~3
    pixels = b""
    for l in motif(w, h, 3):
        pixels += bytes(l) + b"\0" * (ligne - w * 3)
    entete = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return entete + info + pixels


def tga(w, h):
    entete = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, w, h, 24, 0)
    return entete + bytes(v for l in motif(w, h, 3) for v in l)


def tiff(w, h, compression_lzw=False):
    pixels = bytes(v for l in motif(w, h, 3) for v in l)
    entrees = [
        (256, 3, 1, w), (257, 3, 1, h), (258, 3, 3, None), (259, 3, 1, 1),
        (262, 3, 1, 2), (273, 4, 1, None), (277, 3, 1, 3), (278, 3, 1, h), (279, 4, 1, len(pixels)),
    ]
    debut_ifd = 8
    taille_ifd = 2 + 12 * len(entrees) + 4
    bits = debut_ifd + taille_ifd
    donnees = bits + 6
    ifd = struct.pack("<H", len(entrees))
    for tag, typ, n, v in entrees:
        if tag == 258:
            ifd += struct.pack("<HHII", tag, typ, n, bits)
        elif tag == 273:
            ifd += struct.pack("<HHII", tag, typ, n, donnees)
        elif typ == 3:
            ifd += struct.pack("<HHIHH", tag, typ, n, v, 0)
        else:
            ifd += struct.pack("<HHII", tag, typ, n, v)
    ifd += struct.pack("<I", 0)
    return b"II*\0" + struct.pack("<I", debut_ifd) + ifd + struct.pack("<HHH", 8, 8, 8) + pixels


def mot16(octets, pos, v):
    octets[pos:pos + 2] = struct.pack("<H", v)


def lan(n, w, h):
    o = bytearray(128)
    o[0:6] = b"HEAD74"
    o[8] = n
    mot16(o, 16, w)
    mot16(o, 20, h)
    return bytes(o) + bytes((i * 7) % 256 for i in range(n * w * h))


def per(w, h):
    o = bytearray(1280)
    mot16(o, 14, h)
    mot16(o, 18, w)
    tuiles = ((w + 15) // 16) * ((h + 15) // 16)
    return bytes(o) + bytes((k * 40 + j) % 256 for k in range(tuiles) for j in range(256))


def enregistrement_img(fichier, description):
    r = b"\x01" + b"\0" * 3 + fichier + b"\0" + b"\0" * 5 + description + b"\0"
    return r.ljust(128, b"\0")


def ima(w, h):
    texte = b"lignes  %d * colonnes  %d *" % (h, w)
    entete = b"".join(bytes([c, 0]) for c in texte).ljust(512, b"\0")
    return entete + bytes((i * 3) % 256 for i in range(w * h))


def dessins():
    # One rectangle, one pencil stroke of three points.
    def element(nom, genre, extra=b""):
        r = bytes([genre, 0, 0, 0, 0]) + struct.pack("<7h", 10, 10, 40, 30, 0, 0, 5)
        r += bytes([2, 0, 255]) + struct.pack("<III", 0, 0x000000FF, 0x00FFFFFF) + extra
        return bytes([len(nom)]) + nom + r
    trait = struct.pack("<H", 3) + struct.pack("<6h", 1, 1, 20, 5, 30, 30)
    return struct.pack("<H", 2) + element(b"rect", 1) + element(b"trait", 0, trait)


def main():
    # Pictures of every PNG colour type and depth, interlaced too.
    ecrire("fuzz_lecteur_png", "rvb8.png", png(7, 5, 2, 8, motif(7, 5, 3)))
    ecrire("fuzz_lecteur_png", "rvba8.png", png(6, 4, 6, 8, motif(6, 4, 4)))
    ecrire("fuzz_lecteur_png", "gris16.png", png(9, 3, 0, 16, motif(9, 3, 1, 65535)))
    ecrire("fuzz_lecteur_png", "palette.png", png(5, 5, 3, 8, motif(5, 5, 1, 1), palette=[255, 0, 0, 0, 0, 255]))
    ecrire("fuzz_lecteur_tiff", "rvb8.tif", tiff(6, 4))
    # Qt's formats: the first byte chooses the format (0 bmp, 2 tga, 3 ppm, 4 pgm, 6 xpm).
    ecrire("fuzz_lecteur_qt", "bmp", b"\0" + bmp(5, 3))
    ecrire("fuzz_lecteur_qt", "tga", b"\2" + tga(4, 3))
    ecrire("fuzz_lecteur_qt", "ppm", b"\3" + ppm(4, 3))
    ecrire("fuzz_lecteur_qt", "pgm", b"\4" + b"P5\n3 2\n255\n" + bytes(range(0, 240, 40)))
    ecrire("fuzz_lecteur_qt", "xpm", b"\6" + b'/* XPM */\nstatic char *x[] = {\n"2 2 2 1",\n"a c #FF0000",\n"b c #0000FF",\n"ab",\n"ba"};\n')

    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "source.ppm")
        with open(source, "wb") as f:
            f.write(ppm(16, 12))
        for nom, options in (("base.jpg", []), ("progressif.jpg", ["-progressive"]), ("gris.jpg", ["-grayscale"])):
            sortie = subprocess.run(["cjpeg", "-quality", "80"] + options + [source], check=True, capture_output=True).stdout
            ecrire("fuzz_lecteur_jpeg", nom, sortie)
        source_png = os.path.join(tmp, "source.png")
        with open(source_png, "wb") as f:
            f.write(png(16, 12, 2, 8, motif(16, 12, 3)))
        with open(os.path.join(tmp, "source.sca"), "wb") as f:
            f.write(b"0,5\r\nmm\r\n")
        for nom, args in (("image.gif", []), ("document.kpt", ["--codage", "png"]), ("document_jpg.kpt", ["--codage", "jpg"])):
            sortie = os.path.join(tmp, nom)
            subprocess.run([CLI, "convert", source_png, sortie] + args, check=True, capture_output=True)
            with open(sortie, "rb") as f:
                ecrire("fuzz_lecteur_gif" if nom.endswith(".gif") else "fuzz_fichier_document", nom, f.read())

    # Multichannel raster files; the channel files they may name (c1.per,
    # C2.PER, p1, p2) are made by the target itself.
    ecrire("fuzz_lan", "trois_bandes.lan", lan(3, 8, 6))
    ecrire("fuzz_per", "tuiles.per", per(20, 20))
    ecrire("fuzz_img", "global.img", enregistrement_img(b"c1.per", b"Canal rouge") + enregistrement_img(b"C2.PER", b"Canal vert"))
    ecrire("fuzz_ima", "image.ima", ima(8, 8))
    ecrire("fuzz_inf", "liste.inf", b"2 8 8\r\np1\r\np2\r\n")

    # Texts.
    ecrire("fuzz_fichier_texte", "windows1252.txt", "Échelle à définir\r\n0,5\r\nmm\r\n".encode("cp1252"))
    ecrire("fuzz_fichier_texte", "utf8.txt", "Température\n1,5E3\n-0,25\n".encode("utf-8"))
    ecrire("fuzz_echelle_texte", "longueur.sca", b"0,1\r\nmm\r\n")
    ecrire("fuzz_echelle_texte", "virgule.sca", b"\x01" + b"2,5E-2\r\ncm\r\n")
    # The first byte chooses the decimal separator (odd: comma).
    for nom, texte in (
        ("trois_canaux", "<CODE_C=0;-20;0,5;0;40;1,25E-5;1234;Vert;Rouge;Infra-Rouge;65280;255;0;>"),
        ("arc_en_ciel", "<CODE_C=1;0;16711680;65280;255;-5;12,5;F;Température;°C;>"),
        ("deux_couleurs", "<CODE_C=2;0;16776960;0,001;2500;V;Concentration;mg/L;>"),
        ("tableau", "<CODE_C=3;3;Occupation du sol;;Forêt;32768;Eau;16711680;10-20;65535;>"),
    ):
        ecrire("fuzz_code_couleur", nom + ".ccc", b"\x01" + texte.encode("cp1252"))
    ecrire("fuzz_composer_texte", "balises.txt", bytes([11, 5, 2]) + "<b>Gras</b> et <i>italique</i>, H<sub>2</sub>O".encode("utf-8"))
    ecrire("fuzz_composer_texte", "simple.txt", bytes([23, 0, 0]) + b"Cellule")
    ecrire("fuzz_dessins", "rectangle_trait.bin", dessins())


if __name__ == "__main__":
    main()
