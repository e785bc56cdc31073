<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="ar">
<context>
    <name>pay</name>
    <message>
        <source>النقطة الاستدلالية</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>الراتب الأساسي السنوي</source>
        <translation>Traitement de base annuel</translation>
    </message>
    <message>
        <source>التعويض عن الإقامة</source>
        <translation>Indemnité de résidence</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء الخاصة</source>
        <translation>Indemnité de sujétions spéciales</translation>
    </message>
    <message>
        <source>التعويض عن التدرج الإداري</source>
        <translation>Indemnité de hiérarchie administrative</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء</source>
        <translation>Indemnité de sujétions</translation>
    </message>
    <message>
        <source>التعويض عن التأطير</source>
        <translation>Indemnité d’encadrement</translation>
    </message>
    <message>
        <source>التعويضات العائلية</source>
        <translation>Allocations familiales</translation>
    </message>
    <message>
        <source>مجموع الراتب الأساسي والتعويضات</source>
        <translation>Total du traitement et des indemnités</translation>
    </message>
    <message>
        <source>التقاعد</source>
        <translation>Retraite</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض</source>
        <translation>Assurance maladie obligatoire</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة</source>
        <translation>Mutuelle générale</translation>
    </message>
    <message>
        <source>الصندوق التعاضدي المستقل</source>
        <translation>Caisse mutualiste autonome</translation>
    </message>
    <message>
        <source>مؤسسة Orsanne</source>
        <translation>Fondation Orsanne</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة</source>
        <translation>Revenu imposable</translation>
    </message>
    <message>
        <source>النسبة المطبقة</source>
        <translation>Taux appliqué</translation>
    </message>
    <message>
        <source>الإعفاءات عن الأطفال والزوجة</source>
        <translation>Déductions pour charges de famille</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل</source>
        <translation>Impôt sur le revenu</translation>
    </message>
    <message>
        <source>مجموع الاقتطاعات من الأجرة</source>
        <translation>Total des retenues</translation>
    </message>
    <message>
        <source>الأجرة السنوية</source>
        <translation>Salaire net annuel</translation>
    </message>
    <message>
        <source>الأجرة الشهرية</source>
        <translation>Salaire net mensuel</translation>
    </message>
    <message>
        <source>السلم أو الدرجة</source>
        <translation>Échelle ou grade</translation>
    </message>
    <message>
        <source>الرتبة</source>
        <translation>Échelon</translation>
    </message>
    <message>
        <source>المنطقة</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>الأعباء الخاصة</source>
        <translation>Sujétions spéciales</translation>
    </message>
    <message>
        <source>الأشخص المتكفل بهم</source>
        <translation>Personnes à charge</translation>
    </message>
    <message>
        <source>التعاضديات</source>
        <translation>Mutuelles</translation>
    </message>
    <message>
        <source>التعويضات النظامية</source>
        <translation>Indemnités statutaires</translation>
    </message>
    <message>
        <source>9 / الدرجة الثالثة</source>
        <translation>9 / troisième grade</translation>
    </message>
    <message>
        <source>10 / الدرجة الثانية</source>
        <translation>10 / deuxième grade</translation>
    </message>
    <message>
        <source>11 / الدرجة الأولى</source>
        <translation>11 / premier grade</translation>
    </message>
    <message>
        <source>خارج السلم / الدرجة الممتازة</source>
        <translation>Hors échelle / grade principal</translation>
    </message>
    <message>
        <source>أ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>ب</source>
        <translation>B</translation>
    </message>
    <message>
        <source>ج</source>
        <translation>C</translation>
    </message>
    <message>
        <source>نعم</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>لا</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>الاستثنائية</source>
        <translation>exceptionnel</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>قواعد الأجرة</source>
        <translation>Règles de paie</translation>
    </message>
    <message>
        <source>بيان الأجرة</source>
        <translation>Bulletin de paie</translation>
    </message>
    <message>
        <source>تاريخ الطبع</source>
        <translation>Imprimé le</translation>
    </message>
    <message>
        <source>الاختيارات</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>سنوي</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>شهري</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>شريحة الضريبة</source>
        <translation>Tranche d’imposition</translation>
    </message>
    <message>
        <source>من</source>
        <translation>de</translation>
    </message>
    <message>
        <source>إلى</source>
        <translation>à</translation>
    </message>
    <message>
        <source>أكثر من</source>
        <translation>plus de</translation>
    </message>
    <message>
        <source>دون أدنى شرائح الضريبة</source>
        <translation>en dessous de la première tranche</translation>
    </message>
    <message>
        <source>طريقة الحساب</source>
        <translation>Mode de calcul</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>الرقم</source>
        <translation>Matricule</translation>
    </message>
</context>
<context>
    <name>velnaro-calc</name>
    <message>
        <source>rules in effect</source>
        <translation>règles en vigueur</translation>
    </message>
    <message>
        <source>previous rules</source>
        <translation>règles précédentes</translation>
    </message>
    <message>
        <source>field</source>
        <translation>rubrique</translation>
    </message>
    <message>
        <source>in effect</source>
        <translation>en vigueur</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>précédent</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>écart</translation>
    </message>
    <message numerus="yes">
        <source>arrears (%n month(s))</source>
        <translation>
            <numerusform>rappel (%n mois)</numerusform>
            <numerusform>rappel (%n mois)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>توضيح</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>موافق</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>حول البرنامج</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>اختيارات الحساب</source>
        <translation>Choix du calcul</translation>
    </message>
    <message>
        <source>نتائج الحساب</source>
        <translation>Résultats du calcul</translation>
    </message>
    <message>
        <source>الفاصل بين عمود التعويضات وعمود الاقتطاعات</source>
        <translation>Séparation entre la colonne des indemnités et celle des retenues</translation>
    </message>
    <message>
        <source>عدد الأطفال</source>
        <translation>Nombre d’enfants</translation>
    </message>
    <message>
        <source>عدد الأطفال الذين تُصرف عنهم التعويضات العائلية</source>
        <translation>Nombre d’enfants ouvrant droit aux allocations familiales</translation>
    </message>
    <message>
        <source>مبلغ التعويضات العائلية في السنة</source>
        <translation>Montant annuel des allocations familiales</translation>
    </message>
    <message>
        <source>اقتطاعات التعاضديات</source>
        <translation>Retenues mutualistes</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض والقطاع بالتعاضدية العامة والصندوق التعاضدي المستقل</source>
        <translation>Assurance maladie obligatoire, mutuelle générale et caisse mutualiste autonome</translation>
    </message>
    <message>
        <source>الانخراط في التعاضديات</source>
        <translation>Adhésion aux mutuelles</translation>
    </message>
    <message>
        <source>التعويض عن العمل في الأقاليم الصحراوية المسترجعة</source>
        <translation>Indemnité de service dans les provinces sahariennes</translation>
    </message>
    <message>
        <source>خصم الإعفاءات الضريبية عن الأطفال والزوجة</source>
        <translation>Déduction fiscale pour enfants et conjoint</translation>
    </message>
    <message>
        <source>اللغة</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>ستُفتح النافذة بهذه اللغة في المرة القادمة.</source>
        <translation>La fenêtre s’ouvrira dans cette langue au prochain démarrage.</translation>
    </message>
    <message>
        <source>طباعة البيان</source>
        <translation>Imprimer le bulletin</translation>
    </message>
    <message>
        <source>حفظ البيان بصيغة المستندات المحمولة</source>
        <translation>Enregistrer le bulletin en PDF</translation>
    </message>
    <message>
        <source>نسخ البيان نصا</source>
        <translation>Copier le bulletin en texte</translation>
    </message>
    <message>
        <source>مقارنة</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>توضيح هذا المبلغ</source>
        <translation>Expliquer ce montant</translation>
    </message>
    <message>
        <source>من فضلك اكمل البيانات</source>
        <translation>Veuillez compléter les choix</translation>
    </message>
    <message>
        <source>نُسخ البيان إلى الحافظة</source>
        <translation>Bulletin copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>تعذر حفظ الملف</source>
        <translation>Le fichier n’a pas pu être enregistré</translation>
    </message>
    <message>
        <source>تعذرت الطباعة</source>
        <translation>L’impression a échoué</translation>
    </message>
    <message>
        <source>حُفظ البيان في الملف</source>
        <translation>Bulletin enregistré dans le fichier</translation>
    </message>
    <message>
        <source>لم يُحسب أي مبلغ بعد</source>
        <translation>Aucun montant n’a encore été calculé</translation>
    </message>
    <message>
        <source>اختر الخيارات السبعة ثم اضغط «موافق».</source>
        <translation>choisissez les sept choix puis appuyez sur « Calculer ».</translation>
    </message>
    <message>
        <source>المستندات المحمولة (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>كيف حُسب هذا المبلغ؟</source>
        <translation>Comment ce montant a-t-il été calculé ?</translation>
    </message>
</context>
<context>
    <name>explanation</name>
    <message>
        <source>لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».</source>
        <translation>Aucun montant n’a encore été calculé : choisissez les sept options puis appuyez sur « Calculer ».</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص المنطقة %3 ليس من عناصر قائمة المناطق (%4).</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : le texte de la zone %3 ne fait pas partie de la liste des zones (%4).</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الأعباء الخاصة %3 ليس «%4» ولا «%5».</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : la réponse aux sujétions spéciales %3 n’est ni « %4 » ni « %5 ».</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن عدد الأطفال %3 خارج الأعداد من %4 إلى %5.</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : le nombre d’enfants %3 n’est pas compris entre %4 et %5.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الانخراط في التعاضدية %3 ليس «%4» ولا «%5».</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : la réponse à l’adhésion à la mutuelle %3 n’est ni « %4 » ni « %5 ».</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص السلم %3 ليس من عناصر قائمة السلالم، فليس له صف في شبكة الأجور.</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : le texte de l’échelle %3 ne fait pas partie de la liste des échelles et n’a donc pas de ligne dans la grille indiciaire.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الرتبة %3 ليست من عناصر قائمة رتب السلم %4، فليس لها صف في شبكة الأجور.</source>
        <translation>Le dernier calcul n’a pas écrit %1, qui garde le montant affiché avant lui, %2 : l’échelon %3 ne fait pas partie de la liste des échelons de l’échelle %4 et n’a donc pas de ligne dans la grille indiciaire.</translation>
    </message>
    <message>
        <source>%1 هي ما تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>%1 est la valeur que donne la grille indiciaire pour la ligne de l’échelle %2 et l’échelon %3.</translation>
    </message>
    <message>
        <source>%1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>%1 est un montant annuel fixe que donne la grille indiciaire pour la ligne de l’échelle %2 et l’échelon %3.</translation>
    </message>
    <message>
        <source>الاشتراك في %1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>La cotisation à %1 est un montant annuel fixe que donne la grille indiciaire pour la ligne de l’échelle %2 et l’échelon %3.</translation>
    </message>
    <message>
        <source>الراتب الأساسي السنوي هو النقطة الاستدلالية ناقص %1، مضروبا في %2 عن كل نقطة، ثم يضاف إليه %3 ثم %4.</source>
        <translation>Le traitement de base annuel est l’indice moins %1, multiplié par %2 par point, auquel s’ajoutent %3 puis %4.</translation>
    </message>
    <message>
        <source>التعويض عن الإقامة هو نسبة المنطقة %1، أي %2، من الراتب الأساسي السنوي.</source>
        <translation>L’indemnité de résidence est le taux de la zone %1, soit %2, du traitement de base annuel.</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء الخاصة هو %1 من الراتب الأساسي السنوي، لأن الجواب عن الأعباء الخاصة «%2».</source>
        <translation>L’indemnité de sujétions spéciales est %1 du traitement de base annuel, la réponse aux sujétions spéciales étant « %2 ».</translation>
    </message>
    <message>
        <source>لا تعويض عن الأعباء الخاصة لأن الجواب عنها «%1»، فهو %2.</source>
        <translation>Pas d’indemnité de sujétions spéciales, la réponse étant « %1 » : elle vaut donc %2.</translation>
    </message>
    <message>
        <source>التعويضات العائلية %1 في السنة عن كل طفل من الأطفال %2 الأوائل، ثم %3 عن كل طفل بعدهم إلى %4 أطفال؛ وعدد الأطفال هنا %5.</source>
        <translation>Les allocations familiales sont de %1 par an pour chacun des %2 premiers enfants, puis de %3 pour chaque enfant suivant jusqu’à %4 enfants ; le nombre d’enfants est ici de %5.</translation>
    </message>
    <message>
        <source>مجموع الراتب الأساسي والتعويضات هو الراتب الأساسي السنوي زائد كل التعويضات، ومنها التعويضات العائلية.</source>
        <translation>Le total du traitement et des indemnités est le traitement de base annuel plus toutes les indemnités, allocations familiales comprises.</translation>
    </message>
    <message>
        <source>التقاعد هو %1 من أساس الاقتطاع، وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %2 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>La retraite est %1 de l’assiette des retenues ; l’assiette est le traitement de base annuel plus %2 de celui-ci et les indemnités de hiérarchie administrative, de sujétions et d’encadrement.</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2؛ وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>L’assurance maladie obligatoire est %1 de l’assiette des retenues, sans dépasser %2 ; l’assiette est le traitement de base annuel plus %3 de celui-ci et les indemnités de hiérarchie administrative, de sujétions et d’encadrement.</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2، وقد بلغ هذا السقف هنا؛ وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>L’assurance maladie obligatoire est %1 de l’assiette des retenues, sans dépasser %2, plafond atteint ici ; l’assiette est le traitement de base annuel plus %3 de celui-ci et les indemnités de hiérarchie administrative, de sujétions et d’encadrement.</translation>
    </message>
    <message>
        <source>لا اشتراك في القطاع بالتعاضدية العامة لغير المنخرط في التعاضدية، فهو %1.</source>
        <translation>Pas de cotisation à la mutuelle générale pour qui n’adhère pas à la mutuelle : elle vaut donc %1.</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز %2.</source>
        <translation>La mutuelle générale est %1 du seul traitement de base annuel pour l’adhérent à la mutuelle, sans dépasser %2.</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.</source>
        <translation>La mutuelle générale est %1 du seul traitement de base annuel pour l’adhérent à la mutuelle, sans dépasser %2, plafond atteint ici.</translation>
    </message>
    <message>
        <source>الصندوق التعاضدي المستقل اشتراك سنوي ثابت قدره %1 للمنخرط في التعاضدية.</source>
        <translation>La caisse mutualiste autonome est une cotisation annuelle fixe de %1 pour l’adhérent à la mutuelle.</translation>
    </message>
    <message>
        <source>لا اشتراك في الصندوق التعاضدي المستقل لغير المنخرط في التعاضدية، فهو %1.</source>
        <translation>Pas de cotisation à la caisse mutualiste autonome pour qui n’adhère pas à la mutuelle : elle vaut donc %1.</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني %1 من ذلك المجموع على ألا يتجاوز %2.</source>
        <translation>Le revenu imposable est le total du traitement et des indemnités hors allocations familiales, moins la retraite, la déduction pour frais professionnels, l’assurance maladie obligatoire et les deux cotisations mutualistes ; la déduction pour frais professionnels est %1 de ce total, sans dépasser %2.</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني %1 من ذلك المجموع على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.</source>
        <translation>Le revenu imposable est le total du traitement et des indemnités hors allocations familiales, moins la retraite, la déduction pour frais professionnels, l’assurance maladie obligatoire et les deux cotisations mutualistes ; la déduction pour frais professionnels est %1 de ce total, sans dépasser %2, plafond atteint ici.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا لا يتجاوز %1، فالنسبة %2.</source>
        <translation>Le taux appliqué est celui de la tranche du barème où se situe le revenu imposable ; celui-ci ne dépasse pas ici %1, d’où le taux de %2.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا أكثر من %1 وإلى حد %2، فالنسبة %3.</source>
        <translation>Le taux appliqué est celui de la tranche du barème où se situe le revenu imposable ; celui-ci dépasse ici %1 sans dépasser %2, d’où le taux de %3.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا أكثر من %1، فالنسبة %2.</source>
        <translation>Le taux appliqué est celui de la tranche du barème où se situe le revenu imposable ; celui-ci dépasse ici %1, d’où le taux de %2.</translation>
    </message>
    <message>
        <source>الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية قبل الإعفاء.</source>
        <translation>La déduction pour charges de famille est de %1 par personne à charge, sans dépasser l’impôt brut avant déduction.</translation>
    </message>
    <message>
        <source>الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية قبل الإعفاء، وقد حُدّ بها هنا.</source>
        <translation>La déduction pour charges de famille est de %1 par personne à charge, sans dépasser l’impôt brut avant déduction, qui la limite ici.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا لا يتجاوز %1، فلا ضريبة عليه.</source>
        <translation>L’impôt sur le revenu est l’impôt brut avant déduction, selon la tranche du revenu imposable, moins la déduction pour charges de famille ; le revenu imposable ne dépasse pas ici %1 : il n’est pas imposé.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1 وإلى حد %2، وضريبة هذه الشريحة %3 زائد %4 مما فوق %5.</source>
        <translation>L’impôt sur le revenu est l’impôt brut avant déduction, selon la tranche du revenu imposable, moins la déduction pour charges de famille ; le revenu imposable dépasse ici %1 sans dépasser %2, et l’impôt de cette tranche est %3 plus %4 de ce qui dépasse %5.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1، وضريبة هذه الشريحة %2 زائد %3 مما فوق %4.</source>
        <translation>L’impôt sur le revenu est l’impôt brut avant déduction, selon la tranche du revenu imposable, moins la déduction pour charges de famille ; le revenu imposable dépasse ici %1, et l’impôt de cette tranche est %2 plus %3 de ce qui dépasse %4.</translation>
    </message>
    <message>
        <source>مجموع الاقتطاعات هو الضريبة العامة على الدخل زائد التقاعد والاشتراك في مؤسسة Orsanne والتأمين الإجباري عن المرض واشتراكي التعاضدية.</source>
        <translation>Le total des retenues est l’impôt sur le revenu plus la retraite, la cotisation à la Fondation Orsanne, l’assurance maladie obligatoire et les deux cotisations mutualistes.</translation>
    </message>
    <message>
        <source>الأجرة السنوية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات.</source>
        <translation>Le salaire net annuel est le total du traitement et des indemnités moins le total des retenues.</translation>
    </message>
    <message>
        <source>الأجرة الشهرية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات، مقسوما على %1 شهرا.</source>
        <translation>Le salaire net mensuel est le total du traitement et des indemnités moins le total des retenues, divisé par %1 mois.</translation>
    </message>
    <message>
        <source>%1 في شبكة الأجور</source>
        <translation>%1 dans la grille indiciaire</translation>
    </message>
    <message>
        <source>النقط غير المحتسبة</source>
        <translation>points non pris en compte</translation>
    </message>
    <message>
        <source>قيمة النقطة في السنة</source>
        <translation>valeur annuelle du point</translation>
    </message>
    <message>
        <source>المبلغ الأول المضاف</source>
        <translation>premier montant ajouté</translation>
    </message>
    <message>
        <source>المبلغ الثاني المضاف</source>
        <translation>second montant ajouté</translation>
    </message>
    <message>
        <source>نسبة المنطقة %1</source>
        <translation>taux de la zone %1</translation>
    </message>
    <message>
        <source>نسبة التعويض عن الأعباء الخاصة</source>
        <translation>taux de l’indemnité de sujétions spéciales</translation>
    </message>
    <message>
        <source>لا تعويض عن الأعباء الخاصة</source>
        <translation>pas d’indemnité de sujétions spéciales</translation>
    </message>
    <message>
        <source>عدد الأطفال</source>
        <translation>nombre d’enfants</translation>
    </message>
    <message>
        <source>عدد الأطفال الأوائل</source>
        <translation>nombre des premiers enfants</translation>
    </message>
    <message>
        <source>التعويض عن كل طفل من الأوائل</source>
        <translation>allocation par enfant parmi les premiers</translation>
    </message>
    <message>
        <source>التعويض عن كل طفل بعدهم</source>
        <translation>allocation par enfant suivant</translation>
    </message>
    <message>
        <source>التعويض عن الأطفال الأوائل</source>
        <translation>allocations des premiers enfants</translation>
    </message>
    <message>
        <source>حصة الراتب الأساسي المضافة</source>
        <translation>part ajoutée du traitement de base</translation>
    </message>
    <message>
        <source>أساس الاقتطاع للتقاعد والتأمين عن المرض</source>
        <translation>assiette de la retraite et de l’assurance maladie</translation>
    </message>
    <message>
        <source>نسبة التقاعد</source>
        <translation>taux de la retraite</translation>
    </message>
    <message>
        <source>نسبة التأمين الإجباري عن المرض</source>
        <translation>taux de l’assurance maladie obligatoire</translation>
    </message>
    <message>
        <source>سقف التأمين الإجباري عن المرض</source>
        <translation>plafond de l’assurance maladie obligatoire</translation>
    </message>
    <message>
        <source>غير منخرط في التعاضدية</source>
        <translation>non adhérent à la mutuelle</translation>
    </message>
    <message>
        <source>نسبة القطاع بالتعاضدية العامة</source>
        <translation>taux de la mutuelle générale</translation>
    </message>
    <message>
        <source>سقف القطاع بالتعاضدية العامة</source>
        <translation>plafond de la mutuelle générale</translation>
    </message>
    <message>
        <source>الاشتراك الثابت للمنخرط</source>
        <translation>cotisation fixe de l’adhérent</translation>
    </message>
    <message>
        <source>المجموع دون التعويضات العائلية</source>
        <translation>total hors allocations familiales</translation>
    </message>
    <message>
        <source>نسبة الخصم المهني</source>
        <translation>taux de la déduction pour frais professionnels</translation>
    </message>
    <message>
        <source>سقف الخصم المهني</source>
        <translation>plafond de la déduction pour frais professionnels</translation>
    </message>
    <message>
        <source>الخصم المهني</source>
        <translation>déduction pour frais professionnels</translation>
    </message>
    <message>
        <source>الحد الأدنى للشريحة</source>
        <translation>borne inférieure de la tranche</translation>
    </message>
    <message>
        <source>الحد الأعلى للشريحة</source>
        <translation>borne supérieure de la tranche</translation>
    </message>
    <message>
        <source>نسبة الشريحة</source>
        <translation>taux de la tranche</translation>
    </message>
    <message>
        <source>المبلغ الثابت للشريحة</source>
        <translation>montant fixe de la tranche</translation>
    </message>
    <message>
        <source>الضريبة الإجمالية قبل الإعفاء</source>
        <translation>impôt brut avant déduction</translation>
    </message>
    <message>
        <source>عدد الأشخاص المتكفل بهم</source>
        <translation>nombre de personnes à charge</translation>
    </message>
    <message>
        <source>الإعفاء عن كل شخص</source>
        <translation>déduction par personne</translation>
    </message>
    <message>
        <source>عدد الأشهر</source>
        <translation>nombre de mois</translation>
    </message>
    <message>
        <source>%1 (محفوظ من قبل)</source>
        <translation>%1 (gardé d’avant)</translation>
    </message>
    <message>
        <source>المبلغ المعروض قبل الحساب الأخير</source>
        <translation>montant affiché avant le dernier calcul</translation>
    </message>
    <message>
        <source>%1 والسطر الذي فيه %2 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل تقريبها.</source>
        <translation>%1 La ligne qui contient %2 est approchée : ses nombres sont arrondis au centime, alors que le calcul porte sur les montants avant arrondi.</translation>
    </message>
    <message>
        <source>%1 والسطر الذي فيه %2 أو %3 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل تقريبها.</source>
        <translation>%1 La ligne qui contient %2 ou %3 est approchée : ses nombres sont arrondis au centime, alors que le calcul porte sur les montants avant arrondi.</translation>
    </message>
    <message>
        <source>، </source>
        <translation>, </translation>
    </message>
    <message>
        <source>للتوضيح الكامل: انقر مرتين، أو اضغط %1، أو اختر «%2» من قائمة السياق.</source>
        <translation>Pour l’explication complète : double-cliquez, appuyez sur %1 ou choisissez « %2 » dans le menu contextuel.</translation>
    </message>
</context>
</TS>
