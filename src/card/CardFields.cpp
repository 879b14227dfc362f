#include "CardFields.h"

#include <QStringList>

namespace card {

const std::vector<SectionSpec>& SectionTable() {
    static const std::vector<SectionSpec> table = {
        {1, "DESCRIZIONE", "Descrizione", "Descrizione", 0, "", ""},
        {2, "PRINCIPALI", "Principali", "Dati Principali", 0, "", ""},
        {3, "AGGIUNTE", "Aggiunte", "Aggiunte", 0, "", ""},
        {4, "ELEMENTI", "Elementi", "Elementi", 1, "lvwEle", "Ele"},
        {5, "GIUDIZI", "Giudizi", "Giudizi", 0, "", ""},
        {6, "CRITICA", "Critica", "Critica", 2, "lvwCri", "Cri"},
        {7, "TECNICI", "Tecnici", "Dati Tecnici", 0, "", ""},
        {8, "ALTRO", "Altro", "Altri Dati", 0, "", ""},
        {9, "IMMAGINI", "Immagini", "Immagini", 3, "lvwImg", "Img"},
        {10, "SUONI", "Suoni", "Suoni", 5, "lvwSnd", "Snd"},
        {11, "FILMATI", "Filmati", "Filmati", 4, "lvwVid", "Vid"},
    };
    return table;
}

const SectionSpec& SectionById(int id) {
    const auto& table = SectionTable();
    return table.at(static_cast<size_t>(qBound(1, id, kSections) - 1));
}

const SectionSpec& SectionOfKind(int kind) {
    for (const SectionSpec& s : SectionTable())
        if (s.kind == kind) return s;
    return SectionTable().front();
}

namespace {

void addArray(std::vector<FieldSpec>& out, int section, const QString& name, const QStringList& captions,
              int limit, bool picker) {
    for (int k = 0; k < captions.size(); ++k)
        out.push_back({section, "txt" + name, k, k, "s" + name + QString::number(k + 1),
                       "lbl" + name + QString::number(k + 1), captions[k], FieldKind::Line, limit, picker});
}

std::vector<FieldSpec> buildFields() {
    std::vector<FieldSpec> f;
    f.push_back({0, "txtMain1", -1, 0, "sMain1", "lblMain1", "Titolo", FieldKind::Line, 0, false});
    f.push_back(
        {0, "txtMain2", -1, 1, "sMain2", "lblMain2", "Immagine Anteprima", FieldKind::Line, 0, false});

    addArray(f, 1, "Descrizione", {"Autore", "Genere", "Supporto", "Autore dei testi", "Durata", "Ed. Int."},
             50, true);
    f.push_back({1, "txtDescrizione", 6, 6, "sDescrizione7", "lblDescrizione7", "Descrizione",
                 FieldKind::Lines, 0, false});
    addArray(f, 2, "Principali",
             {"Titolo Originale", "Nazione", "Anno", "Etichetta", "XXX", "Lingua", "Testi", "Collana",
              "Scaffale", "Ripiano", "Ordine"},
             50, true);
    f.push_back(
        {3, "txtAggiunte", -1, 0, "sAggiunte1", "lblAggiunte1", "Aggiunte", FieldKind::Lines, 0, false});
    addArray(f, 5, "Giudizi",
             {"Complessivo", "Esecuzione", "Testi", "Interpretazione", "Mixaggio", "Qualità audio", "XXX",
              "XXX", "XXX"},
             50, true);
    QStringList technical = {"Sonoro",   "LP/SP",    "Allegati",      "Produttore",   "Compilation",
                             "Mixaggio", "Soggetto", "Arrangiamenti", "Distribuzione"};
    while (technical.size() < 16) technical << "---";
    addArray(f, 7, "Tecnici", technical, 50, true);

    auto altro = [&](int pos, const QString& column, const QString& caption, FieldKind kind, int limit,
                     bool picker) {
        if (kind == FieldKind::Check)
            f.push_back({8, "chk" + column.mid(1), -1, pos, column, "", caption, kind, 0, false});
        else
            f.push_back({8, "txtAltro", pos, pos, column, "lblAltro" + QString::number(pos + 1), caption,
                         kind, limit, picker});
    };
    for (int k = 0; k < 4; ++k)
        altro(k, "sAltro" + QString::number(k + 1), "Interprete " + QString::number(k + 1), FieldKind::Line,
              50, true);
    altro(4, "sAltro5", "Altri interpreti", FieldKind::Lines, 255, false);
    altro(5, "sAltro6", "Acquistato... dove?", FieldKind::Line, 50, true);
    altro(6, "sAltro7", "Prezzo", FieldKind::Line, 50, true);
    altro(7, "bAltro8", "da restuire", FieldKind::Check, 0, false);
    altro(8, "sAltro9", "a chi?", FieldKind::Line, 50, false);
    altro(9, "dtAltro10", "entro il?", FieldKind::Line, 50, false);
    altro(10, "bAltro11", "da restuire", FieldKind::Check, 0, false);
    altro(11, "sAltro12", "a chi?", FieldKind::Line, 50, false);
    altro(12, "dtAltro13", "entro il?", FieldKind::Line, 50, false);
    return f;
}

}  // namespace

const std::vector<FieldSpec>& FieldTable() {
    static const std::vector<FieldSpec> table = buildFields();
    return table;
}

const FieldSpec* FieldByColumn(const QString& column) {
    for (const FieldSpec& f : FieldTable())
        if (f.column.compare(column, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

bool IsDateColumn(const QString& column) {
    return column.startsWith(QLatin1String("dt"), Qt::CaseInsensitive);
}

bool IsShownCaption(const QString& caption) {
    return !caption.isEmpty() && caption != QLatin1String("-");
}

}  // namespace card
